#pragma once

#include "ui/core/PlainRect.h"

// Where the main window puts its children in each size mode. The window is
// always 1120 x 700; only the arrangement inside changes. Coordinates are
// the main window's client coordinates.
constexpr int kMainWindowWidth = 1120;
constexpr int kMainWindowHeight = 700;
constexpr int kSizeModes = 3;

using LayoutRect = PlainRect;

struct LayoutPoint {
    int x = 0;
    int y = 0;
    bool operator==(const LayoutPoint& other) const { return x == other.x && y == other.y; }
};

// The band along the top where the window paints its title; the window is
// dragged by it, and by nothing else.
constexpr int kTitleBandHeight = 24;
bool InDragStrip(const LayoutPoint& client);

// Where a window of the given screen rectangle stays wholly on the work
// area: pushed right and down off negative edges, and back by what it
// overhangs on the right and at the bottom.
LayoutRect KeepOnWorkArea(const LayoutRect& window, const LayoutRect& workArea);

LayoutRect MainClientRect();
// The video surface of a size mode (0 small, 1 medium, 2 large).
LayoutRect VideoArea(int sizeMode);
// The point the video zooms about before the user moves it: the middle of
// the video area.
LayoutPoint ZoomCentre(int sizeMode);

LayoutRect SeekSliderRect(const LayoutRect& video);
LayoutRect InfoPanelRect(int sizeMode, const LayoutRect& video, const LayoutRect& client);
// The G-sensor graph and the map window have a place in size mode 0 only.
LayoutRect GraphRect(const LayoutRect& video, const LayoutRect& client);
LayoutRect MapWindowRect(const LayoutRect& video);

struct ButtonPlace {
    bool shown = false;
    LayoutRect rect;
};
// A main button (0 to 13). The large layout has room for seven: the
// snapshot and join buttons go, the others close up, and only the first
// seven of those are shown.
ButtonPlace MainButtonPlace(int button, int sizeMode, const LayoutRect& client);

enum WindowButton : int { kWindowButtonClose = 0, kWindowButtonSize = 1, kWindowButtonMinimize = 2 };
constexpr int kWindowButtonCount = 3;
LayoutRect WindowButtonRect(int button, const LayoutRect& client);

LayoutRect VolumeSliderRect(const LayoutRect& client);
