#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace fw {

// The result of the folder chooser.
struct FolderChoice {
    enum class Outcome { Chosen, Cancelled, NoPath };
    Outcome outcome = Outcome::Cancelled;
    std::wstring path;  // for Chosen
};

// What the open and save choosers are asked.
struct FileRequest {
    bool save = false;
    std::wstring initialName;       // "*.mov", a default name
    std::wstring defaultExtension;  // without dot; empty for none
    std::wstring filter;            // "Text|pattern|...||"
    DWORD flags = 0;                // OFN_* added to the explorer style
};

// Every place where the program waits for the person in front of it: the
// message box, the folder and file choosers and a popup menu. The program
// calls them through Prompts(); tests put a scripted replacement in place
// with ScopedPrompts, so no test ever blocks on a modal window.
class UserPrompts {
public:
    virtual ~UserPrompts() = default;
    // MessageBoxW: the button pressed (IDOK, IDCANCEL ...).
    virtual int ShowMessage(HWND owner, const std::wstring& text, const std::wstring& caption, UINT type) = 0;
    // The folder browser, opening at startFolder.
    virtual FolderChoice ChooseFolder(HWND owner, const std::wstring& title, const std::wstring& startFolder) = 0;
    // The open or save dialog: the chosen path, or nothing when cancelled.
    virtual std::optional<std::wstring> ChooseFile(HWND owner, const FileRequest& request) = 0;
    // TrackPopupMenu with the given flags at a screen point.
    virtual BOOL TrackMenu(HMENU menu, UINT flags, POINT screen, HWND owner) = 0;
};

// The prompts in use: the real ones unless a test replaced them.
UserPrompts& Prompts();

// The platform's own prompts.
UserPrompts& PlatformPrompts();

// Puts a replacement in place for the scope (any thread sees it).
class ScopedPrompts {
public:
    explicit ScopedPrompts(UserPrompts& replacement);
    ~ScopedPrompts();
    ScopedPrompts(const ScopedPrompts&) = delete;
    ScopedPrompts& operator=(const ScopedPrompts&) = delete;

private:
    UserPrompts* previous_;
};

}  // namespace fw
