#include "app/core/ControlStateRules.h"

namespace {

constexpr uint32_t kPlaying = 2;
constexpr uint32_t kPaused = 3;
constexpr int kLargeSizeMode = 2;
constexpr int32_t kSlowestSpeed = -2;  // slower is refused from here down
constexpr int32_t kFastestSpeed = 4;

bool CanGoToPrevious(const ControlStateInputs& in) { return in.rows > 1 && in.currentIndex != 0; }
bool CanGoToNext(const ControlStateInputs& in) { return in.rows > 1 && in.currentIndex != in.rows - 1; }

// The snapshot and zoom buttons follow the clip's data, and the large
// layout has no room for the snapshot button.
void ApplyFrameButtons(const ControlStateInputs& in, ControlStates& out) {
    out.enabled[kButtonSnapshot] = in.clipDataLoaded;
    out.enabled[kButtonZoom] = in.clipDataLoaded;
    if (in.sizeMode != kLargeSizeMode) {
        return;
    }
    out.snapshotVisibility = Visibility::Hidden;
    if (!in.fullScreen) {
        out.zoomVisibility = Visibility::Shown;
    }
}

void ApplySourceButtons(const ControlStateInputs& in, ControlStates& out) {
    out.enabled[kButtonJoin] = in.sourceKind == kSourceSdCard;
    out.enabled[kButtonDelete] = in.sourceKind != kSourceFile;
    out.enabled[kButtonOpenSource] = true;
    out.enabled[kButtonSettings] = true;
    out.enabled[kButtonVehicleInfo] = true;
}

void ApplyPlaying(const ControlStateInputs& in, ControlStates& out) {
    out.enabled[kButtonStop] = true;
    out.enabled[kButtonPlay] = true;
    out.enabled[kButtonPrevious] = CanGoToPrevious(in);
    out.enabled[kButtonNext] = CanGoToNext(in);
    out.enabled[kButtonSlower] = in.speedIndex > kSlowestSpeed;
    out.enabled[kButtonFaster] = in.speedIndex < kFastestSpeed;
    ApplyFrameButtons(in, out);
    ApplySourceButtons(in, out);
}

// Stopped, paused or nothing open.
void EnableButtonsForState(const ControlStateInputs& in, bool paused, ControlStates& out) {
    out.enabled[kButtonStop] = paused;
    out.enabled[kButtonPrevious] = CanGoToPrevious(in);
    out.enabled[kButtonNext] = CanGoToNext(in);
    out.enabled[kButtonPlay] = in.clipDataLoaded;
    out.enabled[kButtonSlower] = false;
    out.enabled[kButtonFaster] = false;
    ApplyFrameButtons(in, out);
    ApplySourceButtons(in, out);
}

}  // namespace

ControlStates DecideControlStates(const ControlStateInputs& in) {
    ControlStates out;
    if (in.rows <= 0) {
        out.enabled[kButtonOpenSource] = true;
    } else if (in.engineReady && in.playState == kPlaying) {
        ApplyPlaying(in, out);
    } else {
        EnableButtonsForState(in, in.engineReady && in.playState == kPaused, out);
    }
    // The CSV export needs a source with recordings, whatever plays.
    out.enabled[kButtonCsv] = !in.noSource;
    return out;
}
