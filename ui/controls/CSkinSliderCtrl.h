#pragma once

#include <windows.h>

#include <array>

#include "framework/DeviceContext.h"
#include "framework/Window.h"
#include "ui/core/SliderGeometry.h"
#include "ui/drawing/COffScreenDC.h"
#include "ui/drawing/SkinImage.h"

// Posted to the parent with wParam = the control id and lParam = the
// position under the pointer.
constexpr UINT WM_APP_SLIDER_MOVED = 0x8065;
constexpr UINT WM_APP_SLIDER_PRESSED = 0x8066;
constexpr UINT WM_APP_SLIDER_RELEASED = 0x8067;

// The image-skinned horizontal slider (seek bar and volume). It reports
// presses, drags and releases to its parent and never moves its own
// position: the owner sets it and redraws. All painting happens in
// WM_ERASEBKGND, through an off-screen buffer as wide as the screen.
class CSkinSliderCtrl : public fw::Window {
public:
    static constexpr int kHeight = 10;

    // Creates the slider along the parent's client bottom, without visible
    // height until the owner lays it out. 0 when the parent's client area
    // has no width.
    BOOL CreateSlider(int id, HWND parent);
    // Loads the four skin bitmaps and makes the DCs and the buffer. FALSE
    // when the window has no DC.
    BOOL LoadSkin(int leftChannel, int rightChannel, int thumb, int pressedThumb);
    // Stores the position and repaints at once.
    void SetPosAndRedraw(int newPosition);
    // Updates the position from the pointer for a client x.
    void PosFromX(int x);
    // Draws channels and thumb into a DC.
    void DrawSlider(HDC dc);

    // Read and written by the owner.
    int pressed = 0;       // cleared by the owner to end a drag
    int minimum = 0;
    int maximum = 0;
    int position = 0;      // set through SetPosAndRedraw
    int pointerPos = 0;    // the last position computed from a mouse x
    int controlId = 0;
    int offThumb = 0;      // set at each press: 1 when it lay beside the thumb
    int enabled = 1;       // cleared to make the slider ignore the mouse

protected:
    const fw::MessageMap& GetMessageMap() const override;

private:
    enum SkinPart { kLeftChannel, kRightChannel, kThumb, kPressedThumb, kSkinParts };

    LRESULT OnPaint(const fw::Message& m);
    LRESULT OnEraseBkgnd(const fw::Message& m);
    LRESULT OnLButtonDown(const fw::Message& m);
    LRESULT OnLButtonUp(const fw::Message& m);
    LRESULT OnMouseMove(const fw::Message& m);
    SliderRange Range() const { return {minimum, maximum}; }
    bool InPressBand(int x) const;
    void PostToParent(UINT message) const;
    // Draws into the buffer and copies it to dc; FALSE for an empty client area.
    BOOL PaintTo(HDC dc);

    fw::MemoryDC skinDC_;
    COffScreenDC buffer_;
    std::array<SkinImage, kSkinParts> skin_;
};
