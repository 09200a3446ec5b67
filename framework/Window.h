#pragma once

#include <windows.h>

#include <string>

#include "framework/Message.h"
#include "framework/MessageMap.h"

namespace fw {

// What a window or control is created with.
struct WindowArgs {
    HWND parent = nullptr;
    int id = 0;
    RECT rect{};
    DWORD style = WS_CHILD | WS_VISIBLE;
    DWORD exStyle = 0;
    const wchar_t* text = L"";
    HFONT font = nullptr;
};

// The one base of every window object: it wraps an HWND and turns each
// message into a call of the handler its class's table names.
//
// How a message reaches a handler:
//  1. The window procedure finds the object through a window property.
//  2. WM_DRAWITEM, WM_MEASUREITEM, WM_COMMAND, WM_NOTIFY and WM_CTLCOLOR*
//     from a child that is also an object are offered to the child's
//     reflected rows first; a message the child takes stops there.
//  3. Otherwise the first matching row of the window's own table runs.
//  4. A message no row takes goes to Default(): DefWindowProc for the
//     program's own windows, the original procedure of a control, the
//     dialog manager for a dialog.
class Window {
public:
    Window() = default;
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND Handle() const { return hwnd_; }
    static Window* FromHandle(HWND hwnd);

    // A window of the program's own class (CS_HREDRAW | CS_VREDRAW, no
    // background brush: painting is the object's business).
    bool Create(const WindowArgs& args);
    // A standard control ("BUTTON", WC_LISTVIEW ...) with this object on it.
    bool CreateControl(const wchar_t* className, const WindowArgs& args);
    // Puts this object on an existing window, such as a template control.
    bool Attach(HWND hwnd);
    // Takes the object off again; the window stays.
    HWND Detach();
    bool DestroyWindow();

    BOOL Show(int command) const { return ShowWindow(hwnd_, command); }
    bool IsVisible() const { return IsWindowVisible(hwnd_) != FALSE; }
    BOOL Enable(bool enable) const { return EnableWindow(hwnd_, enable); }
    bool IsEnabled() const { return IsWindowEnabled(hwnd_) != FALSE; }
    BOOL Move(const RECT& r, bool repaint = true) const {
        return MoveWindow(hwnd_, r.left, r.top, r.right - r.left, r.bottom - r.top, repaint);
    }
    BOOL SetPos(HWND insertAfter, int x, int y, int cx, int cy, UINT flags) const {
        return SetWindowPos(hwnd_, insertAfter, x, y, cx, cy, flags);
    }
    RECT ClientRect() const {
        RECT r{};
        GetClientRect(hwnd_, &r);
        return r;
    }
    RECT WindowRect() const {
        RECT r{};
        GetWindowRect(hwnd_, &r);
        return r;
    }
    BOOL Invalidate(bool erase = true) const { return InvalidateRect(hwnd_, nullptr, erase); }
    BOOL Redraw(UINT flags = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW) const {
        return RedrawWindow(hwnd_, nullptr, nullptr, flags);
    }
    BOOL SetText(const std::wstring& text) const { return SetWindowTextW(hwnd_, text.c_str()); }
    std::wstring GetText() const;
    void SetFont(HFONT font, bool redraw = true) const {
        SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw);
    }
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return SendMessageW(hwnd_, message, wParam, lParam);
    }
    BOOL Post(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return PostMessageW(hwnd_, message, wParam, lParam);
    }
    UINT_PTR StartTimer(UINT_PTR id, UINT milliseconds) const { return SetTimer(hwnd_, id, milliseconds, nullptr); }
    BOOL StopTimer(UINT_PTR id) const { return KillTimer(hwnd_, id); }
    HWND Parent() const { return GetParent(hwnd_); }
    int ControlId() const { return GetDlgCtrlID(hwnd_); }
    HWND Item(int id) const { return GetDlgItem(hwnd_, id); }

protected:
    // Lets a class adjust the creation structure (styles) before the
    // window is made.
    virtual void PreCreateWindow(CREATESTRUCTW& create) { (void)create; }
    virtual const MessageMap& GetMessageMap() const;
    LRESULT Default(const Message& m) const;

private:
    friend class Dialog;
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT id, WPARAM wParam, LPARAM lParam);
    LRESULT Dispatch(const Message& m);
    bool ReflectToChild(const Message& m, LRESULT& result) const;
    bool AttachObject(HWND hwnd, WNDPROC defaultProc);
    void DetachObject();
    bool Subclass(HWND hwnd);

    HWND hwnd_ = nullptr;
    WNDPROC defaultProc_ = nullptr;
    bool subclassed_ = false;  // our procedure replaced the window's own
    bool ownsWindow_ = false;  // made by this object, destroyed with it
};

}  // namespace fw
