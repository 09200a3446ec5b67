#pragma once

#include "framework/Window.h"

namespace fw {

// A one-line edit ("EDIT").
class Edit : public Window {
public:
    bool Create(const WindowArgs& args) { return CreateControl(L"EDIT", args); }
    void SetReadOnly(bool readOnly) const { Send(EM_SETREADONLY, readOnly); }
    void SelectAll() const { Send(EM_SETSEL, 0, -1); }
    void LimitText(int characters) const { Send(EM_LIMITTEXT, static_cast<WPARAM>(characters)); }
};

}  // namespace fw
