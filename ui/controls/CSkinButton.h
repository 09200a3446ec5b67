#pragma once

#include <windows.h>

#include "framework/Button.h"
#include "framework/ImageList.h"

// The program's push button: an owner-drawn button painted from a strip of
// four images (normal, hover, pressed or latched, disabled), black being
// transparent over a dark grey fill. Clicks reach the owner as BN_CLICKED.
class CSkinButton : public fw::Button {
public:
    static constexpr COLORREF kFillColour = 0x3F3F3F;

    // Creates the button (a child, hidden unless the extra style says
    // WS_VISIBLE) in the rectangle and cuts the bitmap strip into images
    // of the rectangle's size. FALSE when the window could not be made; a
    // missing bitmap leaves the button showing its fill only.
    BOOL CreateFromBitmap(WORD bitmapId, DWORD extraStyle, const RECT& rect, HWND parent, UINT id);
    // Replaces the strip (same image size). The owner repaints.
    void ChangeBitmap(WORD bitmapId);
    // Paints the state's image; nothing while the strip is being replaced.
    void DrawItem(const DRAWITEMSTRUCT& item);

    // Set by the owner to show the pressed image for good (toggles, modes).
    int latched = 0;

protected:
    void PreCreateWindow(CREATESTRUCTW& create) override;
    const fw::MessageMap& GetMessageMap() const override;

private:
    LRESULT OnDrawItem(const fw::Message& m);
    LRESULT OnMouseMove(const fw::Message& m);
    LRESULT OnMouseHover(const fw::Message& m);
    LRESULT OnMouseLeave(const fw::Message& m);
    void LoadStrip(WORD bitmapId);

    fw::ImageList images_;
    int imageWidth_ = 0;
    int imageHeight_ = 0;
    TRACKMOUSEEVENT tracking_{sizeof(TRACKMOUSEEVENT), TME_HOVER | TME_LEAVE, nullptr, 1};
    int reloading_ = 0;
    // The mouse rests on the button. The platform's button repaints itself
    // after a hover notice, so the hover look must survive a repaint.
    bool hovering_ = false;
};
