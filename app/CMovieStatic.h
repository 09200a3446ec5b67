#pragma once

#include "framework/Window.h"

class CkadomirDlg;

// The video surface: the child window the engine draws the video into and
// posts the player's events to. The main window mirrors its full-screen
// and zoom states here.
class CMovieStatic : public fw::Window {
public:
    // A "STATIC" child of the main window that takes clicks and double
    // clicks, with a sunken edge, in the given rectangle.
    bool Create(CkadomirDlg* owner, HWND parent, const RECT& rect);

    int fullScreen = 0;
    int zoomMode = 0;

private:
    CkadomirDlg* owner_ = nullptr;
};
