#include "browser/core/PanelLayout.h"

namespace {

PanelRect At(int x, int y, int width, int height) {
    return {x, y, x + width, y + height};
}

// x offset of button k from the first one: steps of 45, 82 after button 2.
// Mode 1 puts buttons 3 and 4 in a second row 12 px lower.
void ButtonOffset(int mode, int k, int& dx, int& dy) {
    static constexpr int kRowOffsets[kKindCount] = {0, 45, 90, 172, 217};
    if (mode == kLayoutStacked && k >= 3) {
        dx = kRowOffsets[k - 3];
        dy = kFilterButtonSize;
    } else {
        dx = kRowOffsets[k];
        dy = 0;
    }
}

}  // namespace

PanelRect GetPanelRect(int mode, const PanelRect& video, const PanelRect& client) {
    switch (mode) {
    case kLayoutSideBySide:
        return {video.right, video.top + 392, video.right + 452, client.bottom - 40};
    case kLayoutStacked:
        return {video.right, video.top, video.right + 240, client.bottom - 40};
    default:
        return video;
    }
}

PanelPlacement ComputePanelPlacement(int mode, const PanelRect& video, const PanelRect& client, int lfHeight) {
    PanelPlacement p;
    if (mode == kLayoutSideBySide) {
        if (client.IsEmpty()) {
            p.panel = client;
            p.placeControls = false;
            return p;
        }
        p.panel = GetPanelRect(mode, video, client);
        const PanelRect& r = p.panel;
        p.tree = At(r.left + 4, r.top + 48, 217, r.Height() - 52);
        p.list = At(r.left + 224, r.top + 48, 224, r.Height() - 52);
        p.pathEdit = At(r.left + 4, r.top + 5, 382, 7 - lfHeight);
        return p;
    }
    p.panel = GetPanelRect(kLayoutStacked, video, client);
    const PanelRect& r = p.panel;
    p.tree = At(r.left + 4, r.top + 54, r.Width() - 8, 304);
    p.list = At(r.left + 4, r.top + 386, r.Width() - 8, r.Height() - 390);
    p.pathEdit = At(r.left + 4, r.top + 43 + lfHeight, r.Width() - 8, 7 - lfHeight);
    return p;
}

PanelRect FilterButtonRect(int mode, const PanelRect& panel, int k) {
    int dx = 0;
    int dy = 0;
    ButtonOffset(mode, k, dx, dy);
    const int x = mode == kLayoutSideBySide ? panel.left + 163 : panel.left + 5;
    const int y = mode == kLayoutSideBySide ? panel.top + 30 : panel.top + 362;
    return At(x + dx, y + dy, kFilterButtonSize, kFilterButtonSize);
}

PanelRect KindLegendRect(int mode, const PanelRect& panel, int k) {
    int dx = 0;
    int dy = 0;
    ButtonOffset(mode, k, dx, dy);
    const int x = mode == kLayoutSideBySide ? panel.left + 177 : panel.left + 19;
    const int y = mode == kLayoutSideBySide ? panel.top + 27 : panel.top + 359;
    return At(x + dx, y + dy, 80, 16);
}

PanelRect GetCountTextRect(int mode, const PanelRect& video, const PanelRect& client, int lfHeight) {
    if (mode == kLayoutSideBySide) {
        return {video.right + 387, video.top + 397, video.right + 447, video.top - lfHeight + 404};
    }
    return {client.right - 76, video.top + 4, client.right - 16, video.top - lfHeight + 11};
}

int TreeMarkOverlays(uint32_t kindsMask, int (&ids)[4]) {
    static constexpr struct {
        uint32_t bit;
        int id;
    } kOverlays[] = {{kMaskManual, 316}, {kMaskImpact, 315}, {kMaskParking, 318}, {kMaskParkingImpact, 317}};
    int count = 0;
    for (const auto& overlay : kOverlays) {
        if (kindsMask & overlay.bit) {
            ids[count++] = overlay.id;
        }
    }
    return count;
}
