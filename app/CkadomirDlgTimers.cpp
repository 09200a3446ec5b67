// What each of the main window's timers does.

#include "app/CkadomirDlg.h"
#include "app/MainWindowIds.h"
#include "framework/Application.h"

LRESULT CkadomirDlg::OnTimer(const fw::Message& m) {
    switch (m.wParam) {
    case kTimerIdle:
        OnIdleTimer();
        break;
    default:
        break;
    }
    return Default(m);
}

// The modal loop never goes idle the way the application's own loop does,
// so the application's idle work is run from here once a second.
void CkadomirDlg::OnIdleTimer() {
    if (fw::Application* application = fw::Application::Current()) {
        application->OnIdle(1);
    }
}
