#pragma once

#include "browser/core/RecordNames.h"
#include "ui/core/PlainRect.h"

// The file panel's geometry as plain arithmetic. r is the
// video area, client the owner's client rectangle, lfHeight the path edit
// font's height (negative for character heights).

using PanelRect = PlainRect;

constexpr int kLayoutSideBySide = 0;
constexpr int kLayoutStacked = 1;

struct PanelPlacement {
    PanelRect panel;
    PanelRect tree;
    PanelRect list;
    PanelRect pathEdit;
    bool placeControls = true;  // false when the client rectangle is empty (mode 0)
};

// The panel and its controls in a layout mode; mode 0 with an empty client
// rectangle gives the client rectangle and places nothing.
PanelPlacement ComputePanelPlacement(int mode, const PanelRect& video, const PanelRect& client, int lfHeight);

// The panel rectangle of a mode; another mode gives the video rectangle.
PanelRect GetPanelRect(int mode, const PanelRect& video, const PanelRect& client);

// Filter button k (0 to 4), 12 x 12.
constexpr int kFilterButtonSize = 12;
PanelRect FilterButtonRect(int mode, const PanelRect& panel, int k);

// The legend text of button k: 80 x 16, 14 px right of the button in mode
// 0 and mode 1, 3 px higher.
PanelRect KindLegendRect(int mode, const PanelRect& panel, int k);

// The legend texts' UiTextTable slots in filter order A, G, M, P, S.
constexpr int kKindLegendSlots[kKindCount] = {26, 29, 27, 28, 141};

// Where the file count is drawn.
PanelRect GetCountTextRect(int mode, const PanelRect& video, const PanelRect& client, int lfHeight);

// The tree's overlay bitmaps of a kinds mask, in drawing order: bit 1 ('M')
// 316, bit 2 ('G') 315, bit 3 ('P') 318, bit 4 ('S') 317. Bit 0 ('A') has
// none: the base mark 319 alone.
constexpr int kTreeBaseMark = 319;
int TreeMarkOverlays(uint32_t kindsMask, int (&ids)[4]);
