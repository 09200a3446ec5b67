// Teardown, the three ways to close the main window, and destruction.

#include "KnownBoxTypes.h"
#include "app/CkadomirDlg.h"
#include "app/MainWindowIds.h"

namespace {

// Waits until no other thread holds the lock, then closes it.
void ReleaseAndClose(fw::UniqueHandle& lock) {
    if (!lock.Valid()) {
        return;
    }
    const DWORD taken = WaitForSingleObject(lock.Get(), INFINITE);
    if (taken == WAIT_OBJECT_0 || taken == WAIT_ABANDONED) {
        ReleaseMutex(lock.Get());
    }
    lock.Reset();
}

}  // namespace

CkadomirDlg::~CkadomirDlg() = default;

void CkadomirDlg::Teardown() {
    StopTimer(kTimerIdle);
    // A running job uses the engine, the box types, the clip list and the
    // locks, so it ends before any of them goes away; its end is not acted
    // on afterwards.
    AbandonJob();
    if (EngineReady() && PlayState() != PlayState::kPaused) {
        engineTable_.Pause(&engine_);
    }
    StopPlayback();
    CloseAndClear();
    StopTimer(kTimerPlaybackTick);
    if (EngineReady()) {
        engine_.PlayerEngineReady = 0;
        engineTable_.Uninit(&engine_);
    }
    FreeKnownBoxTypes();
    ReleaseAndClose(clipListLock_);
    ReleaseAndClose(eventMarkerLock_);
}

LRESULT CkadomirDlg::OnCloseButton(const fw::Message&) {
    Teardown();
    fw::Dialog::OnCancel();
    return 0;
}

LRESULT CkadomirDlg::OnMinimizeButton(const fw::Message&) {
    Show(SW_SHOWMINIMIZED);
    return 0;
}

LRESULT CkadomirDlg::OnSysCommand(const fw::Message& m) {
    if ((m.wParam & 0xFFF0) != SC_CLOSE) {
        return Default(m);
    }
    Teardown();
    PostQuitMessage(0);
    return 0;
}
