#include "MessagePump.h"

namespace testing_support {

void PumpPending() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (!done()) {
        if (GetTickCount64() >= deadline) {
            return false;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        PumpPending();
    }
    return true;
}

bool WaitPumping(HANDLE handle, DWORD timeoutMs) {
    return PumpUntil([handle] { return WaitForSingleObject(handle, 0) == WAIT_OBJECT_0; }, timeoutMs);
}

}  // namespace testing_support
