#include "map/core/ConnectivityState.h"

void ConnectivityState::RecordProbe(bool succeeded) {
    if (!succeeded) {
        if (wasOnline_) {
            wentOffline_ = true;
        }
        online_ = false;
        return;
    }
    online_ = !wentOffline_;
    if (online_) {
        wasOnline_ = true;
    }
}
