#pragma once

#include <windows.h>

#include <string>

namespace fw {

// A popup menu filled by position, destroyed with the object. It is shown
// through the prompts seam (Track), so tests can choose an item.
class PopupMenu {
public:
    PopupMenu() : menu_(CreatePopupMenu()) {}
    ~PopupMenu() {
        if (menu_ != nullptr) {
            DestroyMenu(menu_);
        }
    }
    PopupMenu(const PopupMenu&) = delete;
    PopupMenu& operator=(const PopupMenu&) = delete;

    HMENU Handle() const { return menu_; }
    BOOL InsertString(UINT position, UINT command, const std::wstring& text, UINT flags = 0) const {
        return InsertMenuW(menu_, position, MF_BYPOSITION | MF_STRING | flags, command, text.c_str());
    }
    BOOL InsertSeparator(UINT position) const {
        return InsertMenuW(menu_, position, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
    }
    // Greys out the item at a position (or enables it again).
    UINT EnableAt(UINT position, bool enable) const {
        return EnableMenuItem(menu_, position, MF_BYPOSITION | (enable ? MF_ENABLED : MF_GRAYED | MF_DISABLED));
    }
    int Count() const { return GetMenuItemCount(menu_); }
    BOOL Track(UINT flags, POINT screen, HWND owner) const;

private:
    HMENU menu_;
};

}  // namespace fw
