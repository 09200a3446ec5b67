#pragma once

#include <windows.h>

namespace fw {

// One window message as it reached a window procedure, with readers for
// the parts that handlers ask for.
struct Message {
    HWND hwnd;  // the window whose procedure received it
    UINT id;
    WPARAM wParam;
    LPARAM lParam;

    // WM_COMMAND: the command or control id and the notification code.
    int CommandId() const { return LOWORD(wParam); }
    UINT CommandCode() const { return HIWORD(wParam); }
    HWND CommandControl() const { return reinterpret_cast<HWND>(lParam); }

    // WM_NOTIFY
    const NMHDR* Notify() const { return reinterpret_cast<const NMHDR*>(lParam); }

    // Mouse messages: client coordinates, sign-extended, so a point left
    // of or above a captured window reads negative.
    POINT Point() const {
        return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    }

    // WM_CTLCOLOR*: the DC and the control (or the dialog itself).
    HDC CtlColorDC() const { return reinterpret_cast<HDC>(wParam); }
    HWND CtlColorWindow() const { return reinterpret_cast<HWND>(lParam); }
};

}  // namespace fw
