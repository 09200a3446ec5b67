#include "ScriptedPrompts.h"

namespace testing_support {

namespace {

template <class T>
T Next(std::deque<T>& queue, T fallback) {
    if (queue.empty()) {
        return fallback;
    }
    T value = std::move(queue.front());
    queue.pop_front();
    return value;
}

std::wstring DescribeItem(HMENU menu, int position) {
    wchar_t text[128] = L"";
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = 127;
    GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info);
    if (info.fType & MFT_SEPARATOR) {
        return L"-";
    }
    std::wstring item = text;
    if (info.fState & MFS_GRAYED) {
        item += L"(grey)";
    }
    return item;
}

}  // namespace

void ScriptedPrompts::QueueMessageAnswer(int answer) {
    std::lock_guard<std::mutex> lock(mutex_);
    messageAnswers_.push_back(answer);
}

void ScriptedPrompts::QueueFolder(fw::FolderChoice choice) {
    std::lock_guard<std::mutex> lock(mutex_);
    folders_.push_back(std::move(choice));
}

void ScriptedPrompts::QueueFile(std::optional<std::wstring> path) {
    std::lock_guard<std::mutex> lock(mutex_);
    files_.push_back(std::move(path));
}

void ScriptedPrompts::QueueMenuCommand(UINT command) {
    std::lock_guard<std::mutex> lock(mutex_);
    menuCommands_.push_back(command);
}

std::vector<ScriptedPrompts::ShownMessage> ScriptedPrompts::Messages() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return messages_;
}

std::vector<ScriptedPrompts::FolderRequest> ScriptedPrompts::FolderRequests() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return folderRequests_;
}

std::vector<fw::FileRequest> ScriptedPrompts::FileRequests() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return fileRequests_;
}

std::vector<std::wstring> ScriptedPrompts::LastMenu() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return lastMenu_;
}

std::vector<UINT> ScriptedPrompts::LastMenuIds() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return lastMenuIds_;
}

size_t ScriptedPrompts::MenusTracked() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return menusTracked_;
}

int ScriptedPrompts::ShowMessage(HWND owner, const std::wstring& text, const std::wstring& caption, UINT type) {
    std::lock_guard<std::mutex> lock(mutex_);
    messages_.push_back({owner, text, caption, type});
    return Next(messageAnswers_, IDOK);
}

fw::FolderChoice ScriptedPrompts::ChooseFolder(HWND owner, const std::wstring& title, const std::wstring& startFolder) {
    std::lock_guard<std::mutex> lock(mutex_);
    folderRequests_.push_back({owner, title, startFolder});
    return Next(folders_, fw::FolderChoice{});
}

std::optional<std::wstring> ScriptedPrompts::ChooseFile(HWND, const fw::FileRequest& request) {
    std::lock_guard<std::mutex> lock(mutex_);
    fileRequests_.push_back(request);
    return Next(files_, std::optional<std::wstring>());
}

BOOL ScriptedPrompts::TrackMenu(HMENU menu, UINT, POINT, HWND owner) {
    std::lock_guard<std::mutex> lock(mutex_);
    ++menusTracked_;
    lastMenu_.clear();
    lastMenuIds_.clear();
    for (int position = 0; position < GetMenuItemCount(menu); ++position) {
        lastMenu_.push_back(DescribeItem(menu, position));
        const UINT id = GetMenuItemID(menu, position);
        lastMenuIds_.push_back(id == static_cast<UINT>(-1) ? 0 : id);
    }
    const UINT command = Next(menuCommands_, 0u);
    if (command != 0) {
        PostMessageW(owner, WM_COMMAND, MAKEWPARAM(command, 0), 0);
    }
    return command != 0;
}

}  // namespace testing_support
