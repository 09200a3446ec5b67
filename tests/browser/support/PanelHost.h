#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "browser/BrowserMessages.h"
#include "browser/CFilerContainer.h"
#include "framework/Window.h"

namespace browser_testing {

// The main window's part around the file panel, as the tests play it: a
// top-level window that receives the panel's notifications and posted
// messages and, as the main window's folder-selected handler does, opens a
// folder when the tree's selection changes.
class PanelHost : public fw::Window, public FolderSelectionHandler {
public:
    explicit PanelHost(CFilerContainer& panel);
    ~PanelHost() override;

    void OnFolderSelChanged(const NMTREEVIEWW& notification) override;

    CFilerContainer& panel;
    RECT video{6, 24, 662, 397};  // the video area of size mode 0
    int folderSelections = 0;
    int sourceLost = 0;
    int doubleClicks = 0;

    // The recording list's rows, column 0.
    std::vector<std::wstring> Rows() const;
    // Names of the tree's children of an item (null: the top items).
    std::vector<std::wstring> TreeChildren(HTREEITEM parent) const;

protected:
    const fw::MessageMap& GetMessageMap() const override;

private:
    LRESULT OnSourceLost(const fw::Message& m);
    LRESULT OnDoubleClick(const fw::Message& m);
};

// Copies a standard recording under another name; false when it failed.
bool CopyRecording(const std::string& standardName, const std::wstring& target);
void MakeFolder(const std::wstring& path);
void WriteText(const std::wstring& path, const char* text);

// The engine set up as the main window sets it up: ThePlayerEngine()
// initialised and flagged ready, taken down at the end.
class ReadyEngine {
public:
    ReadyEngine();
    ~ReadyEngine();
};

}  // namespace browser_testing
