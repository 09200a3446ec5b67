#pragma once

#include <windows.h>

namespace fw {

// Holds a mutex handle's lock for the scope; a null handle, or a wait that
// fails, holds nothing.
class MutexHold {
public:
    explicit MutexHold(HANDLE mutex) : mutex_(mutex) {
        if (mutex_ == nullptr) {
            return;
        }
        const DWORD taken = WaitForSingleObject(mutex_, INFINITE);
        if (taken != WAIT_OBJECT_0 && taken != WAIT_ABANDONED) {
            mutex_ = nullptr;
        }
    }
    ~MutexHold() {
        if (mutex_ != nullptr) {
            ReleaseMutex(mutex_);
        }
    }
    MutexHold(const MutexHold&) = delete;
    MutexHold& operator=(const MutexHold&) = delete;

private:
    HANDLE mutex_;
};

}  // namespace fw
