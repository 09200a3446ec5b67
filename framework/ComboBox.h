#pragma once

#include <string>

#include "framework/Window.h"

namespace fw {

// A combo box ("COMBOBOX").
class ComboBox : public Window {
public:
    bool Create(const WindowArgs& args) { return CreateControl(L"COMBOBOX", args); }
    int AddString(const std::wstring& text) const {
        return static_cast<int>(Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
    }
    void ResetContent() const { Send(CB_RESETCONTENT); }
    int GetCount() const { return static_cast<int>(Send(CB_GETCOUNT)); }
    int GetCurSel() const { return static_cast<int>(Send(CB_GETCURSEL)); }
    int SetCurSel(int index) const { return static_cast<int>(Send(CB_SETCURSEL, static_cast<WPARAM>(index))); }
    int SelectString(const std::wstring& text) const {
        return static_cast<int>(Send(CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.c_str())));
    }
    std::wstring GetItemText(int index) const;
};

}  // namespace fw
