#include "tools/reliability/ProcessWindows.h"

namespace {

constexpr int kClassChars = 64;
constexpr int kMessageChars = 512;
// The id of a message box's text.
constexpr int kMessageTextId = 0xFFFF;

struct Search {
    DWORD process;
    const wchar_t* title;  // null: any dialog box of the process
    HWND except;
    HWND found;
};

bool Matches(HWND window, const Search& search) {
    wchar_t text[kClassChars] = L"";
    if (search.title != nullptr) {
        GetWindowTextW(window, text, kClassChars);
        return std::wstring(text) == search.title;
    }
    GetClassNameW(window, text, kClassChars);
    return std::wstring(text) == L"#32770";
}

BOOL CALLBACK FindWindowOf(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<Search*>(lParam);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != search->process || !IsWindowVisible(window) || window == search->except ||
        !Matches(window, *search)) {
        return TRUE;
    }
    search->found = window;
    return FALSE;
}

HWND Find(Search search) {
    EnumWindows(&FindWindowOf, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace

HWND WindowTitled(DWORD process, const wchar_t* title) { return Find({process, title, nullptr, nullptr}); }

HWND BoxOf(DWORD process, HWND except) { return Find({process, nullptr, except, nullptr}); }

std::wstring BoxMessage(HWND box) {
    wchar_t text[kMessageChars] = L"";
    GetDlgItemTextW(box, kMessageTextId, text, kMessageChars);
    return text;
}
