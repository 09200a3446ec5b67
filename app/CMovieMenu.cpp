#include "app/CMovieMenu.h"

#include "PlayerEngine.h"
#include "app/MainWindowIds.h"
#include "ui/core/UiTextTable.h"

namespace {

constexpr int kSlotOpenSource = 84;
constexpr int kSlotPause = 85;
constexpr int kSlotPlay = 86;
constexpr int kSlotFaster = 82;
constexpr int kSlotSettings = 87;
constexpr int kSlotSlower = 88;
constexpr int kSlotSnapshot = 89;
constexpr int kSlotStop = 90;
constexpr int kSlotKeepAspect = 91;
constexpr int kSlotStretch = 92;

// Positions of the speed items in a playing or paused clip's menu.
constexpr UINT kFasterPosition = 2;
constexpr UINT kSlowerPosition = 3;
constexpr int kFastestSpeed = 4;
constexpr int kLargeSizeMode = 2;

}  // namespace

void CMovieMenu::AddString(UINT command, int slot) { InsertString(next_++, command, UiText(slot)); }

void CMovieMenu::AddSeparator() { InsertSeparator(next_++); }

// Names the full-screen form that choosing it switches to.
void CMovieMenu::AddAspectItem(const VideoMenuState& state) {
    const uint32_t keep = state.engineReady ? state.keepAspect : 0;
    if (keep == 0) {
        AddString(kCommandAspect, kSlotKeepAspect);
    } else if (keep == 1) {
        AddString(kCommandAspect, kSlotStretch);
    }
}

// The large layout has no file panel, so no source to open.
void CMovieMenu::AddOpenSource(int sizeMode) {
    if (sizeMode != kLargeSizeMode) {
        AddSeparator();
        AddString(kCommandOpenSource, kSlotOpenSource);
    }
}

bool CMovieMenu::BuildForState(const VideoMenuState& state) {
    const uint32_t playState = state.engineReady ? state.playState : PlayState::kNone;
    switch (playState) {
    case PlayState::kNone:
        AddString(kCommandSettings, kSlotSettings);
        AddOpenSource(state.sizeMode);
        return true;
    case PlayState::kStopped:
        AddString(kCommandPlayPause, kSlotPlay);
        if (state.fullScreen) {
            AddAspectItem(state);
            return true;
        }
        AddSeparator();
        AddString(kCommandSnapshot, kSlotSnapshot);
        AddString(kCommandSettings, kSlotSettings);
        AddOpenSource(state.sizeMode);
        return true;
    case PlayState::kPlaying:
        BuildMenu(kSlotPause, state);
        return true;
    case PlayState::kPaused:
        BuildMenu(kSlotPlay, state);
        EnableAt(kFasterPosition, false);
        EnableAt(kSlowerPosition, false);
        return true;
    default:
        return false;
    }
}

void CMovieMenu::BuildMenu(int labelSlot, const VideoMenuState& state) {
    AddString(kCommandPlayPause, labelSlot);
    AddString(kCommandStop, kSlotStop);
    AddString(kCommandFaster, kSlotFaster);
    AddString(kCommandSlower, kSlotSlower);
    if (state.fullScreen) {
        AddAspectItem(state);
    } else {
        AddSeparator();
        AddString(kCommandSnapshot, kSlotSnapshot);
        AddString(kCommandSettings, kSlotSettings);
        AddOpenSource(state.sizeMode);
    }
    if (!state.engineReady) {
        return;
    }
    if (state.speedIndex >= kFastestSpeed) {
        EnableAt(kFasterPosition, false);
    }
    if (state.speedIndex < 0) {
        EnableAt(kSlowerPosition, false);
    }
}
