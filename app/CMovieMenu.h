#pragma once

#include <cstdint>

#include "framework/PopupMenu.h"

// What decides the video context menu's items.
struct VideoMenuState {
    bool engineReady = false;
    uint32_t playState = 0;  // 0 none, 1 stopped, 2 playing, 3 paused
    int32_t speedIndex = 1;
    uint32_t keepAspect = 0;  // the engine's aspect mode
    bool fullScreen = false;
    int sizeMode = 0;
};

// The popup menu of playback commands shown on a right click on the
// video. Its items send the same commands as the main buttons.
class CMovieMenu : public fw::PopupMenu {
public:
    // Fills the empty menu for the state; false when the state offers no
    // menu at all.
    bool BuildForState(const VideoMenuState& state);

    // The menu of a playing or paused clip: play or pause with the given
    // label, stop, faster, slower, then the normal or the full-screen form.
    void BuildMenu(int labelSlot, const VideoMenuState& state);

private:
    void AddString(UINT command, int slot);
    void AddSeparator();
    void AddAspectItem(const VideoMenuState& state);
    void AddOpenSource(int sizeMode);
    UINT next_ = 0;
};
