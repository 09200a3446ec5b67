#pragma once

#include "framework/Window.h"

namespace fw {

// A push button ("BUTTON"); its clicks reach the parent as WM_COMMAND.
class Button : public Window {
public:
    bool Create(const WindowArgs& args) { return CreateControl(L"BUTTON", args); }
    UINT GetState() const { return static_cast<UINT>(Send(BM_GETSTATE)); }
    void SetState(bool pushed) const { Send(BM_SETSTATE, pushed); }
    void Click() const { Send(BM_CLICK); }
};

// A check box or radio button whose check the owner reads and writes.
class CheckBox : public Button {
public:
    bool IsChecked() const { return Send(BM_GETCHECK) == BST_CHECKED; }
    void SetChecked(bool checked) const { Send(BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED); }
};

}  // namespace fw
