#include "support/ForeignWindow.h"

#include <vector>

namespace testing_support {

namespace {

constexpr ULONGLONG kStartTimeoutMs = 30000;
constexpr DWORD kExitTimeoutMs = 10000;

std::wstring SiblingProgram(const wchar_t* name) {
    std::vector<wchar_t> path(MAX_PATH);
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    std::wstring self(path.data(), length);
    return self.substr(0, self.find_last_of(L"\\/") + 1) + name;
}

}  // namespace

ForeignWindow::ForeignWindow() {
    const std::wstring title = L"foreign window " + std::to_wstring(GetCurrentProcessId());
    std::wstring commandLine = L"\"" + SiblingProgram(L"foreign_window.exe") + L"\" \"" + title + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &started)) {
        return;
    }
    CloseHandle(started.hThread);
    process_.Reset(started.hProcess);
    const ULONGLONG deadline = GetTickCount64() + kStartTimeoutMs;
    while (window_ == nullptr && GetTickCount64() < deadline &&
           WaitForSingleObject(process_.Get(), 10) == WAIT_TIMEOUT) {
        window_ = FindWindowW(nullptr, title.c_str());
    }
}

ForeignWindow::~ForeignWindow() {
    if (!process_.Valid()) {
        return;
    }
    if (window_ != nullptr) {
        PostMessageW(window_, WM_CLOSE, 0, 0);
    }
    if (WaitForSingleObject(process_.Get(), kExitTimeoutMs) != WAIT_OBJECT_0) {
        TerminateProcess(process_.Get(), 1);
    }
}

}  // namespace testing_support
