#pragma once

#include <array>
#include <cstdint>

#include "browser/core/FilePanelCore.h"

// Which of the main window's 14 command buttons may be pressed, decided from
// the window's and the engine's state alone, so the rules can be read and
// tested in one place.
constexpr int kMainButtonCount = 14;

// Main buttons by their role (index into the button row).
enum MainButton : int {
    kButtonStop = 0,
    kButtonPrevious = 1,
    kButtonPlay = 2,
    kButtonSlower = 3,
    kButtonFaster = 4,
    kButtonNext = 5,
    kButtonSnapshot = 6,
    kButtonJoin = 7,
    kButtonZoom = 8,
    kButtonOpenSource = 9,
    kButtonDelete = 10,
    kButtonSettings = 11,
    kButtonCsv = 12,
    kButtonVehicleInfo = 13,
};

struct ControlStateInputs {
    bool engineReady = false;
    uint32_t playState = 0;  // 0 none, 1 stopped, 2 playing, 3 paused
    int32_t speedIndex = 1;
    bool clipDataLoaded = false;
    int rows = 0;           // rows of the recording list
    int currentIndex = -1;  // the current clip's row
    SourceKind sourceKind = kSourceNone;
    bool noSource = true;   // the CSV export has nothing to export
    int sizeMode = 0;
    bool fullScreen = false;
};

enum class Visibility { Unchanged, Shown, Hidden };

struct ControlStates {
    std::array<bool, kMainButtonCount> enabled{};
    // Only the snapshot and zoom buttons change visibility with the state.
    Visibility snapshotVisibility = Visibility::Unchanged;
    Visibility zoomVisibility = Visibility::Unchanged;
};

ControlStates DecideControlStates(const ControlStateInputs& in);
