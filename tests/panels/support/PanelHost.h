#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "PlayerEngine.h"
#include "support/DibCanvas.h"
#include "support/HostWindow.h"
#include "ui/drawing/COffScreenDC.h"
#include "ui/drawing/CResourceImage.h"

namespace testing_support {

// A panel's world in a test: the shared fonts, the engine showing a
// standard recording read through its reader, a topmost host window the
// size of the main window with the skin images and the off-screen buffer
// that the main window lends its panels.
class PanelTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Shows a standard recording with its movie's frames at the engine's
    // frame length for it.
    void ShowStandard(const std::string& fileName);
    const ClipRecords* Records() const { return engine.ShownClipReader.Records(); }
    int FrameOfEntry(int entry) const;
    // The window as it is on the screen, kept as <name>.bmp for a look.
    void Capture(HWND window, DibCanvas& shot, const wchar_t* name) const;

    PlayerEngine engine;
    std::unique_ptr<HostWindow> host;
    CResourceImage skin;
    COffScreenDC surface;
    int frames = 0;
};

// How many pixels of an area are close to a colour.
int CountNear(const DibCanvas& shot, const RECT& area, COLORREF colour, int tolerance);

// The next message of this kind waiting for the window; WM_NULL when none.
MSG TakePosted(HWND window, UINT message);

}  // namespace testing_support
