#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <string>

#include "PlayerEngine.h"
#include "browser/BrowserMessages.h"
#include "browser/CFileListCtrl.h"
#include "browser/CFolderTreeCtrl.h"
#include "browser/CMovieResource.h"
#include "browser/core/FilePanelCore.h"
#include "browser/core/PanelLayout.h"
#include "framework/Edit.h"
#include "framework/Handles.h"
#include "ui/controls/CSkinButton.h"

class CResourceImage;

// The file panel of the main window: not a window itself, it
// owns and lays out the folder tree, the recording list, the read-only path
// edit and the five kind filter buttons (all children of the main window),
// opens sources through the folder walks, and holds the path watcher.
//
// What the main window (CkadomirDlg, a later Part) gives it:
// - Create(owner, handler): the owner window receives LVN_ITEMCHANGED of
//   list 1001, BN_CLICKED of the filter buttons 38700-38704,
//   WM_APP_FILELIST_DBLCLK and WM_APP_SOURCE_LOST; it must be an fw::Window so
//   that the tree's and the list's notifications are reflected to them;
// - the handler gets the tree's folder-selected call (OnFolderSelChanged).
class CFilerContainer {
public:
    CFilerContainer(const RecorderFileProbe& probe, const BrowserFileSystem& fs, PlayerEngine& engine);
    // The program's panel: the engine's probe over ThePlayerEngine() and the
    // host's file system.
    CFilerContainer();
    ~CFilerContainer();
    CFilerContainer(const CFilerContainer&) = delete;
    CFilerContainer& operator=(const CFilerContainer&) = delete;

    // Creates the controls on the owner and sets the owner of the panel,
    // the tree and the watcher. Returns 1.
    int Create(HWND owner, FolderSelectionHandler* handler);
    // Enables or disables the tree, the list, the path edit and the filter
    // buttons; they stay off while the zoom mode is on or the controls are
    // held off.
    void EnableControls(bool enable);
    // Shows or hides every control of the panel: where the video takes the
    // panel's place (the large layout, full screen) they would stand on it.
    void ShowControls(bool shown);
    // While the main window's controls are off (a job runs), they are held
    // off: the panel's own repaints and layouts, which otherwise switch its
    // controls on, leave them off. Holding switches them off at once;
    // letting go leaves them for the owner's next enabling.
    void HoldControlsOff(bool held);
    bool ControlsHeldOff() const { return controlsHeldOff_; }
    // Layout mode 0 and 1: r is the video area on entry, the panel on return.
    void LayoutSideBySide(RECT& r);
    void LayoutStacked(RECT& r);
    void Paint(const RECT& video, HDC dc, int mode);
    int OpenInitialSource(const RECT& video, int mode);
    void OpenSource(const std::wstring& path, SourceKind kind) { core_.OpenSource(path, kind); }
    int OpenFolderItem(HTREEITEM item, const RECT& video, int mode, bool skipRedraw);
    void SelectRow(int row, uint32_t origin) { core_.SelectRow(row, origin); }
    void SelectFirstRow() { core_.SelectFirstRow(); }
    const MovieFileRecordList& CollectAllRecords() { return core_.CollectAllRecords(); }
    // For a worker: what CollectSourceRecords needs, taken on the UI thread.
    SourceSnapshot Snapshot() const { return core_.Snapshot(); }
    void SetKindFilter(int k, bool on);
    bool IsKindFilterOn(int k) const { return k >= 0 && k < kKindCount && buttons_[static_cast<size_t>(k)].latched != 0; }
    int RedrawFileCount(HWND window, int mode, const RECT& video);
    void Clear();
    // Reads the newest folder's recorder record.
    std::wstring GetRecorderVersionText() { return core_.GetRecorderVersionText(); }
    // The text the last SD-card opening read; empty or "%d.%d.%d".
    const std::wstring& RecorderVersionText() const { return core_.recorderVersionText; }

    // Fields the main window reads and writes.
    CFileListCtrl& List() { return list_; }
    const CFileListCtrl& List() const { return list_; }
    CFolderTreeCtrl& Tree() { return tree_; }
    const CFolderTreeCtrl& Tree() const { return tree_; }
    CMovieResource& Resource() { return resource_; }
    SourceKind GetSourceKind() const { return core_.sourceKind; }
    const std::wstring& SourcePath() const { return core_.sourcePath; }
    const MovieFileRecordList& ExportList() const { return core_.exportList; }
    const MovieFileRecordList& FolderList() const { return core_.folderList; }
    uint32_t SelectionOrigin() const { return core_.selectionOrigin; }
    void SetSelectionOrigin(uint32_t origin) { core_.selectionOrigin = origin; }
    bool IsClearing() const { return core_.clearing != 0; }
    uint32_t FilterChanged() const { return core_.filterChanged; }
    void SetFilterChanged(uint32_t value) { core_.filterChanged = value; }
    void SetZoomMode(bool on) { zoom_ = on; }
    bool ZoomMode() const { return zoom_; }
    void SetSkinImages(const CResourceImage* images) { images_ = images; }
    const RECT& PanelRectangle() const { return panel_; }
    HWND PathEdit() const { return pathEdit_.Handle(); }
    CSkinButton& FilterButton(int k) { return buttons_[static_cast<size_t>(k)]; }

    // Inner operations, public for the tests of the layout.
    RECT GetPanelRect(int mode, const RECT& video) const;
    RECT GetCountTextRect(int mode, const RECT& video) const;
    void PlaceFilterButtons(int mode);
    void DrawKindLegend(HDC dc, int mode);
    void DrawFileCount(const RECT& video, HDC dc, int mode);
    void ShowRootPath();

private:
    class Host final : public FilePanelHost {
    public:
        explicit Host(CFilerContainer& panel) : panel_(panel) {}
        void SetWatchedPath(UiStringView path) override;
        void ShowPathText(UiStringView text) override;
        bool ReadRecorderRecord(UiStringView path, CsRecord& record) override;
        std::vector<UiString> RemovableDrives() override;
        UiString ReadSourceSetting(UiStringView key) override;

    private:
        CFilerContainer& panel_;
    };

    int EditFontHeight() const;
    HFONT EditFont() const;
    PanelRect ClientOfOwner() const;
    void PlaceControls(const PanelPlacement& placement);

    HWND owner_ = nullptr;
    fw::Brush whiteBrush_;
    fw::Brush greyBrush_;
    fw::Edit pathEdit_;
    CFolderTreeCtrl tree_;
    CFileListCtrl list_;
    PlayerEngine& engine_;
    Host host_;
    FilePanelCore core_;
    std::array<CSkinButton, kKindCount> buttons_;
    RECT panel_{};
    bool zoom_ = false;
    bool controlsHeldOff_ = false;
    const CResourceImage* images_ = nullptr;
    // Last: the watcher stops first when the panel goes.
    CMovieResource resource_;
};
