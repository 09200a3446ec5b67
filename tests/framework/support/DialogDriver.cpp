#include "DialogDriver.h"

#include <vector>

namespace testing_support {

namespace {

struct Search {
    std::wstring caption;
    HWND found = nullptr;
};

BOOL CALLBACK Inspect(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    wchar_t className[32] = L"";
    GetClassNameW(window, className, 32);
    if (std::wstring(className) != L"#32770" || !IsWindowVisible(window)) {
        return TRUE;
    }
    if (!search->caption.empty()) {
        std::vector<wchar_t> text(256, L'\0');
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
        if (search->caption != text.data()) {
            return TRUE;
        }
    }
    search->found = window;
    return FALSE;
}

}  // namespace

HWND WaitForDialog(DWORD threadId, const std::wstring& caption, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    do {
        Search search{caption};
        EnumThreadWindows(threadId, &Inspect, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr) {
            return search.found;
        }
        Sleep(10);
    } while (GetTickCount64() < deadline);
    return nullptr;
}

void PressButton(HWND dialog, int id) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void PressButtonAndWait(HWND dialog, int id) {
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

bool WaitUntilClosed(HWND window, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (IsWindow(window)) {
        if (GetTickCount64() >= deadline) {
            return false;
        }
        Sleep(10);
    }
    return true;
}

}  // namespace testing_support
