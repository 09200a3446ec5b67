#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include "framework/Window.h"

namespace fw {

// A header control, usually a list view's own header put under an object
// with Attach(list.GetHeader()).
class HeaderCtrl : public Window {
public:
    int GetItemCount() const { return Header_GetItemCount(Handle()); }
    BOOL GetItemRect(int index, RECT& r) const { return Header_GetItemRect(Handle(), index, &r); }
    // Lets the owner draw an item (HDF_OWNERDRAW), keeping its other format bits.
    BOOL SetOwnerDraw(int index) const;
};

}  // namespace fw
