#pragma once

#include <windows.h>

#include <array>

#include "app/core/ControlStateRules.h"
#include "app/core/MainWindowGeometry.h"
#include "app/MainWindowIds.h"

// The skin strip, command and tooltip text slot of each button of the main
// window. The command buttons are 32 x 32; the window buttons 18 high.
struct SkinButtonSpec {
    WORD bitmap;
    UINT command;
    int tooltipSlot;
};

constexpr std::array<SkinButtonSpec, kMainButtonCount> kMainButtons{{
    {154, kCommandStop, 20},         // to the start (stops a running job)
    {144, kCommandPrevious, 13},     // previous clip
    {148, kCommandPlayPause, 12},    // play / pause
    {142, kCommandSlower, 17},       // slower
    {139, kCommandFaster, 4},        // faster
    {145, kCommandNext, 9},          // next clip
    {153, kCommandSnapshot, 19},     // snapshot
    {150, kCommandJoin, 1},          // join
    {200, kCommandZoom, 21},         // zoom
    {146, kCommandOpenSource, 10},   // open a source
    {138, kCommandDelete, 3},        // delete
    {151, kCommandSettings, 16},     // settings
    {137, kCommandCsv, 2},           // CSV
    {322, kCommandVehicleInfo, 140}, // vehicle information
}};

// The play button's two faces.
constexpr SkinButtonSpec kPlayFace{148, kCommandPlayPause, 12};
constexpr SkinButtonSpec kPauseFace{147, kCommandPlayPause, 11};

constexpr std::array<SkinButtonSpec, kWindowButtonCount> kWindowButtons{{
    {155, kCommandClose, 0},
    {157, kCommandSizeMode, 7},
    {156, kCommandMinimize, 137},
}};
