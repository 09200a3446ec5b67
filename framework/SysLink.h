#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <string>

#include "framework/Window.h"

namespace fw {

// A SysLink control: text with <a href="..."> links.
class SysLink : public Window {
public:
    bool Create(const WindowArgs& args) { return CreateControl(WC_LINK, args); }
    // The address of link `index`; empty when there is no such link.
    std::wstring GetItemUrl(int index) const;
};

}  // namespace fw
