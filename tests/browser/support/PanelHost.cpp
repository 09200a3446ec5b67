#include "PanelHost.h"

#include "PlayerEngine.h"
#include "TestRecordings.h"

namespace browser_testing {

PanelHost::PanelHost(CFilerContainer& panel) : panel(panel) {
    fw::WindowArgs args;
    args.rect = {0, 0, 1120, 700};
    args.style = WS_POPUP | WS_VISIBLE;
    Create(args);
}

PanelHost::~PanelHost() {
    DestroyWindow();
}

const fw::MessageMap& PanelHost::GetMessageMap() const {
    static const fw::MessageMap map(&fw::Window::GetMessageMap(), {
        fw::OnMessage(WM_APP_SOURCE_LOST, &PanelHost::OnSourceLost),
        fw::OnMessage(WM_APP_FILELIST_DBLCLK, &PanelHost::OnDoubleClick),
    });
    return map;
}

void PanelHost::OnFolderSelChanged(const NMTREEVIEWW& notification) {
    if (panel.IsClearing() || notification.itemNew.hItem == nullptr) {
        return;
    }
    ++folderSelections;
    panel.OpenFolderItem(notification.itemNew.hItem, video, 0, false);
}

LRESULT PanelHost::OnSourceLost(const fw::Message&) {
    ++sourceLost;
    return 0;
}

LRESULT PanelHost::OnDoubleClick(const fw::Message&) {
    ++doubleClicks;
    return 0;
}

std::vector<std::wstring> PanelHost::Rows() const {
    std::vector<std::wstring> rows;
    const int count = panel.List().GetItemCount();
    for (int row = 0; row < count; ++row) {
        rows.push_back(panel.List().GetItemText(row, 0));
    }
    return rows;
}

std::vector<std::wstring> PanelHost::TreeChildren(HTREEITEM parent) const {
    std::vector<std::wstring> names;
    const CFolderTreeCtrl& tree = panel.Tree();
    for (HTREEITEM item = parent ? tree.GetChildItem(parent) : tree.GetRoot(); item != nullptr;
         item = tree.GetNextSiblingItem(item)) {
        names.push_back(tree.GetItemText(item));
    }
    return names;
}

bool CopyRecording(const std::string& standardName, const std::wstring& target) {
    return CopyFileW(TestRecordingPath(standardName).wstring().c_str(), target.c_str(), FALSE) != FALSE;
}

void MakeFolder(const std::wstring& path) {
    CreateDirectoryW(path.c_str(), nullptr);
}

void WriteText(const std::wstring& path, const char* text) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        WriteFile(file, text, static_cast<DWORD>(strlen(text)), &written, nullptr);
        CloseHandle(file);
    }
}

ReadyEngine::ReadyEngine() {
    PlayerEngine::Init(&ThePlayerEngine(), nullptr, L"face");
    ThePlayerEngine().PlayerEngineReady = 1;
}

ReadyEngine::~ReadyEngine() {
    ThePlayerEngine().PlayerEngineReady = 0;
    PlayerEngine::Uninit(&ThePlayerEngine());
}

}  // namespace browser_testing
