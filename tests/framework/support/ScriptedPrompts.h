#pragma once

#include <deque>
#include <mutex>
#include <string>
#include <vector>

#include "framework/UserPrompts.h"

namespace testing_support {

// A replacement for the prompts that answers from a script and records
// what was asked. Thread-safe: dialogs may run on workers.
class ScriptedPrompts : public fw::UserPrompts {
public:
    struct ShownMessage {
        HWND owner;
        std::wstring text;
        std::wstring caption;
        UINT type;
    };

    void QueueMessageAnswer(int answer);
    void QueueFolder(fw::FolderChoice choice);
    void QueueFile(std::optional<std::wstring> path);
    // The command the next tracked menu "chooses": posted to the owner as
    // WM_COMMAND, as TrackPopupMenu without TPM_RETURNCMD does. 0 for none.
    void QueueMenuCommand(UINT command);

    std::vector<ShownMessage> Messages() const;
    struct FolderRequest {
        HWND owner;
        std::wstring title;
        std::wstring startFolder;
    };
    std::vector<FolderRequest> FolderRequests() const;
    std::vector<fw::FileRequest> FileRequests() const;
    // Texts of the last tracked menu's items, by position; "-" for a
    // separator, "(grey)" appended to a greyed item.
    std::vector<std::wstring> LastMenu() const;
    // The command ids of the last tracked menu's items; 0 for a separator.
    std::vector<UINT> LastMenuIds() const;
    size_t MenusTracked() const;

    int ShowMessage(HWND owner, const std::wstring& text, const std::wstring& caption, UINT type) override;
    fw::FolderChoice ChooseFolder(HWND owner, const std::wstring& title, const std::wstring& startFolder) override;
    std::optional<std::wstring> ChooseFile(HWND owner, const fw::FileRequest& request) override;
    BOOL TrackMenu(HMENU menu, UINT flags, POINT screen, HWND owner) override;

private:
    mutable std::mutex mutex_;
    std::deque<int> messageAnswers_;
    std::deque<fw::FolderChoice> folders_;
    std::deque<std::optional<std::wstring>> files_;
    std::deque<UINT> menuCommands_;
    std::vector<ShownMessage> messages_;
    std::vector<FolderRequest> folderRequests_;
    std::vector<fw::FileRequest> fileRequests_;
    std::vector<std::wstring> lastMenu_;
    std::vector<UINT> lastMenuIds_;
    size_t menusTracked_ = 0;
};

}  // namespace testing_support
