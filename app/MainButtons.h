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

constexpr UINT kFirstMainCommand = 38000;

constexpr std::array<SkinButtonSpec, kMainButtonCount> kMainButtons{{
    {154, 38000, 20},   // to the start (stops a running job)
    {144, 38001, 13},   // previous clip
    {148, 38002, 12},   // play / pause
    {142, 38003, 17},   // slower
    {139, 38004, 4},    // faster
    {145, 38005, 9},    // next clip
    {153, 38006, 19},   // snapshot
    {150, 38007, 1},    // join
    {200, 38008, 21},   // zoom
    {146, 38009, 10},   // open a source
    {138, 38010, 3},    // delete
    {151, 38011, 16},   // settings
    {137, 38012, 2},    // CSV
    {322, 38013, 140},  // vehicle information
}};

// The play button's two faces.
constexpr SkinButtonSpec kPlayFace{148, 38002, 12};
constexpr SkinButtonSpec kPauseFace{147, 38002, 11};

constexpr std::array<SkinButtonSpec, kWindowButtonCount> kWindowButtons{{
    {155, kCommandClose, 0},
    {157, kCommandSizeMode, 7},
    {156, kCommandMinimize, 137},
}};
