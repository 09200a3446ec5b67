#include "framework/Window.h"

#include <vector>

namespace fw {

namespace {

constexpr wchar_t kObjectProperty[] = L"Ostrilex.Window";
constexpr wchar_t kOwnClassName[] = L"OstrilexWindow";

ATOM RegisterOwnClass(WNDPROC procedure) {
    static const ATOM atom = [procedure] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.style = CS_HREDRAW | CS_VREDRAW;
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.lpszClassName = kOwnClassName;
        return RegisterClassExW(&windowClass);
    }();
    return atom;
}

// The child a parent's message comes from, for reflection; null when the
// message has none.
HWND ReflectionSource(HWND parent, const Message& m) {
    switch (m.id) {
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(m.lParam);
        return item->CtlType == ODT_MENU ? nullptr : item->hwndItem;
    }
    case WM_MEASUREITEM: {
        const auto* item = reinterpret_cast<const MEASUREITEMSTRUCT*>(m.lParam);
        return item->CtlType == ODT_MENU ? nullptr : GetDlgItem(parent, static_cast<int>(item->CtlID));
    }
    case WM_COMMAND:
        return m.CommandControl();
    case WM_NOTIFY:
        return m.Notify()->hwndFrom;
    default:
        return IsCtlColorMessage(m.id) ? m.CtlColorWindow() : nullptr;
    }
}

// The creation structure for the arguments, before a class adjusts it.
CREATESTRUCTW CreateStructFor(const WindowArgs& args, const wchar_t* className) {
    CREATESTRUCTW create{};
    create.hInstance = GetModuleHandleW(nullptr);
    create.hMenu = reinterpret_cast<HMENU>(static_cast<INT_PTR>(args.id));
    create.hwndParent = args.parent;
    create.x = args.rect.left;
    create.y = args.rect.top;
    create.cx = args.rect.right - args.rect.left;
    create.cy = args.rect.bottom - args.rect.top;
    create.style = static_cast<LONG>(args.style);
    create.dwExStyle = args.exStyle;
    create.lpszName = args.text;
    create.lpszClass = className;
    return create;
}

}  // namespace

Window::~Window() {
    // A window this object made goes with it (WM_NCDESTROY detaches); one
    // it was only attached to stays. Only the window's own thread may
    // destroy it.
    const bool ownThread = hwnd_ != nullptr && GetWindowThreadProcessId(hwnd_, nullptr) == GetCurrentThreadId();
    if (ownsWindow_ && ownThread) {
        ::DestroyWindow(hwnd_);
    }
    DetachObject();
}

Window* Window::FromHandle(HWND hwnd) {
    // The property holds an address in this process only: never trust it
    // on another process's window.
    DWORD process = 0;
    if (hwnd == nullptr || GetWindowThreadProcessId(hwnd, &process) == 0 || process != GetCurrentProcessId()) {
        return nullptr;
    }
    return static_cast<Window*>(GetPropW(hwnd, kObjectProperty));
}

const MessageMap& Window::GetMessageMap() const {
    static const MessageMap map(nullptr, {});
    return map;
}

bool Window::Create(const WindowArgs& args) {
    if (hwnd_ != nullptr || RegisterOwnClass(&Window::WindowProc) == 0) {
        return false;
    }
    CREATESTRUCTW create = CreateStructFor(args, kOwnClassName);
    create.lpCreateParams = this;
    PreCreateWindow(create);
    // WM_NCCREATE attaches the object (see WindowProc).
    const HWND hwnd = CreateWindowExW(create.dwExStyle, create.lpszClass, create.lpszName, create.style, create.x,
                                      create.y, create.cx, create.cy, create.hwndParent, create.hMenu,
                                      create.hInstance, this);
    if (hwnd == nullptr) {
        return false;
    }
    ownsWindow_ = true;
    if (args.font != nullptr) {
        SetFont(args.font, false);
    }
    return true;
}

bool Window::CreateControl(const wchar_t* className, const WindowArgs& args) {
    if (hwnd_ != nullptr) {
        return false;
    }
    CREATESTRUCTW create = CreateStructFor(args, className);
    PreCreateWindow(create);
    const HWND hwnd = CreateWindowExW(create.dwExStyle, create.lpszClass, create.lpszName, create.style, create.x,
                                      create.y, create.cx, create.cy, create.hwndParent, create.hMenu,
                                      create.hInstance, nullptr);
    if (hwnd == nullptr || !Subclass(hwnd)) {
        if (hwnd != nullptr) {
            ::DestroyWindow(hwnd);
        }
        return false;
    }
    ownsWindow_ = true;
    if (args.font != nullptr) {
        SetFont(args.font, false);
    }
    return true;
}

bool Window::Attach(HWND hwnd) {
    return hwnd_ == nullptr && hwnd != nullptr && FromHandle(hwnd) == nullptr && Subclass(hwnd);
}

HWND Window::Detach() {
    const HWND hwnd = hwnd_;
    DetachObject();
    return hwnd;
}

bool Window::DestroyWindow() {
    return hwnd_ != nullptr && ::DestroyWindow(hwnd_) != FALSE;
}

std::wstring Window::GetText() const {
    const int length = GetWindowTextLengthW(hwnd_);
    std::vector<wchar_t> buffer(static_cast<size_t>(length > 0 ? length : 0) + 1);
    const int copied = GetWindowTextW(hwnd_, buffer.data(), static_cast<int>(buffer.size()));
    return std::wstring(buffer.data(), static_cast<size_t>(copied > 0 ? copied : 0));
}

LRESULT Window::Default(const Message& m) const {
    return CallWindowProcW(defaultProc_, m.hwnd, m.id, m.wParam, m.lParam);
}

bool Window::Subclass(HWND hwnd) {
    const auto previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd, GWLP_WNDPROC));
    if (!AttachObject(hwnd, previous)) {
        return false;
    }
    SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Window::WindowProc));
    subclassed_ = true;
    return true;
}

bool Window::AttachObject(HWND hwnd, WNDPROC defaultProc) {
    if (!SetPropW(hwnd, kObjectProperty, this)) {
        return false;
    }
    hwnd_ = hwnd;
    defaultProc_ = defaultProc;
    return true;
}

void Window::DetachObject() {
    if (hwnd_ == nullptr) {
        return;
    }
    if (subclassed_) {
        SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(defaultProc_));
        subclassed_ = false;
    }
    RemovePropW(hwnd_, kObjectProperty);
    hwnd_ = nullptr;
    ownsWindow_ = false;
}

LRESULT CALLBACK Window::WindowProc(HWND hwnd, UINT id, WPARAM wParam, LPARAM lParam) {
    Window* window = FromHandle(hwnd);
    if (window == nullptr && id == WM_NCCREATE) {
        // Only the program's own class gets here unattached.
        window = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        if (window == nullptr || !window->AttachObject(hwnd, &DefWindowProcW)) {
            return FALSE;
        }
    }
    if (window == nullptr) {
        return DefWindowProcW(hwnd, id, wParam, lParam);
    }
    const LRESULT result = window->Dispatch({hwnd, id, wParam, lParam});
    if (id == WM_NCDESTROY) {
        window->DetachObject();
    }
    return result;
}

LRESULT Window::Dispatch(const Message& m) {
    LRESULT result = 0;
    if (ReflectToChild(m, result)) {
        return result;
    }
    if (const MessageRow* row = GetMessageMap().Find(m, false)) {
        return (this->*row->handler)(m);
    }
    return Default(m);
}

bool Window::ReflectToChild(const Message& m, LRESULT& result) const {
    const HWND source = ReflectionSource(hwnd_, m);
    Window* child = source != hwnd_ ? FromHandle(source) : nullptr;
    if (child == nullptr) {
        return false;
    }
    const MessageRow* row = child->GetMessageMap().Find(m, true);
    if (row == nullptr) {
        return false;
    }
    result = (child->*row->handler)(m);
    // A control that gives no brush leaves the colours to its parent.
    return !(IsCtlColorMessage(m.id) && result == 0);
}

}  // namespace fw
