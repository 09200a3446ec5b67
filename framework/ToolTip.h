#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <string>

#include "framework/Window.h"

namespace fw {

// A tooltip control (TOOLTIPS_CLASS) whose tools are whole child windows.
class ToolTip : public Window {
public:
    // A popup owned by `owner`.
    bool Create(HWND owner);
    BOOL AddTool(HWND tool, const std::wstring& text) const;
    void UpdateTipText(HWND tool, const std::wstring& text) const;
    void Activate(bool active) const { Send(TTM_ACTIVATE, active); }

private:
    TTTOOLINFOW ToolInfo(HWND tool, const std::wstring& text) const;
};

}  // namespace fw
