#pragma once

#include <cstdint>
#include <optional>

#include "ui/core/UiChar.h"

// The statements the program runs in the map page, and the status texts it
// hands the page. Both pages define the same two script objects: `cplist`
// for the event points and `orbitgrplist` for the track and its marker.
namespace MapScript {

inline constexpr const UiChar* kClearCrashPos = UI_TEXT("cplist.ClearCrashPos()");
inline constexpr const UiChar* kRemoveLineList = UI_TEXT("orbitgrplist.RemoveLineList()");
inline constexpr const UiChar* kCreateLine = UI_TEXT("orbitgrplist.CreateLine()");
inline constexpr const UiChar* kMoveMarker = UI_TEXT("orbitgrplist.MoveMarker()");

// "orbitgrplist.CreateGridLine(%d)": the shown clip's track, by clip index.
UiString CreateGridLine(int32_t grid);

// One event point. The page hands file, grid, position, valid, latitude,
// longitude, speed and direction back unchanged when the point is clicked.
struct CrashPosition {
    int32_t color = 0;  // marker kind 0 to 11
    double levelX = 0.0;
    double levelY = 0.0;
    double levelZ = 0.0;
    int32_t file = 0;
    int32_t grid = 0;
    int32_t position = 0;  // frame number
    double latitude = 0.0;
    double longitude = 0.0;
    int32_t valid = 0;
    double speed = 0.0;
    double direction = 0.0;
};

// "cplist.AddCrashPos(%d,%f,%f,%f,%d,%d,%d,%f,%f,%d,%f,%f)"
UiString AddCrashPos(const CrashPosition& point);

}  // namespace MapScript

// Status texts of a map window; both pages compare them in lower case.
namespace MapStatus {

inline constexpr const UiChar* kPlaying = UI_TEXT("");
inline constexpr const UiChar* kPause = UI_TEXT("pause");
inline constexpr const UiChar* kStop = UI_TEXT("stop");

// The text for a play state handed to the map: 0 playing, 1 paused,
// 2 stopped. Any other state keeps the text the window has.
std::optional<UiString> ForState(int32_t state);

}  // namespace MapStatus
