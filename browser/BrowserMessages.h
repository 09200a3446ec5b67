#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

// Messages the clip browser posts to the main window, and the ids of its
// controls on the main window.

// The watched source path disappeared (wParam 0, lParam 0); posted once per
// disappearance by the path watcher.
constexpr UINT WM_APP_SOURCE_LOST = WM_APP + 0x4B1;
// A row of the recording list was double-clicked (0, 0); the main window
// ignores it.
constexpr UINT WM_APP_FILELIST_DBLCLK = WM_APP + 0x385;

constexpr int kFolderTreeId = 38300;
constexpr int kRecordingListId = 1001;
constexpr int kPathEditId = 38500;
constexpr int kFirstKindFilterId = 38700;  // + k for the filters A, G, M, P, S

// What the folder tree calls on its owner when the selected folder changes
// (TVN_SELCHANGED, also for a selection made in code). The main window
// implements it as CkadomirDlg::OnFolderSelChanged: it ignores
// the call while the panel's clearing flag is set and otherwise opens the
// folder through CFilerContainer::OpenFolderItem.
class FolderSelectionHandler {
public:
    virtual ~FolderSelectionHandler() = default;
    virtual void OnFolderSelChanged(const NMTREEVIEWW& notification) = 0;
};
