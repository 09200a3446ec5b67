#include "map/ProbePause.h"

#include <algorithm>

namespace {

// How often a pause without its event looks at the stop.
constexpr DWORD kStopCheckMs = 20;

}  // namespace

bool ProbePause::Wait(DWORD milliseconds) const {
    if (Stopped()) {
        return false;
    }
    if (wake_.Valid()) {
        const DWORD result = WaitForSingleObject(wake_.Get(), milliseconds);
        if (result == WAIT_TIMEOUT) {
            return !Stopped();
        }
        if (result == WAIT_OBJECT_0) {
            return false;
        }
    }
    for (DWORD waited = 0; waited < milliseconds; waited += kStopCheckMs) {
        Sleep(std::min(kStopCheckMs, milliseconds - waited));
        if (Stopped()) {
            return false;
        }
    }
    return true;
}

void ProbePause::Stop() {
    stopped_ = true;
    if (wake_.Valid()) {
        SetEvent(wake_.Get());
    }
}
