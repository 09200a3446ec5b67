#include "framework/ToolTip.h"

namespace fw {

bool ToolTip::Create(HWND owner) {
    WindowArgs args;
    args.parent = owner;
    args.style = WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX;
    args.exStyle = WS_EX_TOPMOST;
    args.rect = {CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT};
    return CreateControl(TOOLTIPS_CLASSW, args);
}

TTTOOLINFOW ToolTip::ToolInfo(HWND tool, const std::wstring& text) const {
    TTTOOLINFOW info{};
    info.cbSize = sizeof(info);
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = GetParent(tool);
    info.uId = reinterpret_cast<UINT_PTR>(tool);
    info.lpszText = const_cast<wchar_t*>(text.c_str());
    return info;
}

BOOL ToolTip::AddTool(HWND tool, const std::wstring& text) const {
    TTTOOLINFOW info = ToolInfo(tool, text);
    return static_cast<BOOL>(Send(TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info)));
}

void ToolTip::UpdateTipText(HWND tool, const std::wstring& text) const {
    TTTOOLINFOW info = ToolInfo(tool, text);
    Send(TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
}

}  // namespace fw
