#include "browser/CFilerContainer.h"

#include "ClipMetadataReaders.h"
#include "browser/core/EngineRecorderProbe.h"
#include "browser/platform/HostFileSystem.h"
#include "framework/DeviceContext.h"
#include "framework/Format.h"
#include "ui/drawing/CResourceImage.h"
#include "ui/shared/IniFile.h"
#include "ui/shared/PlainRectConversion.h"
#include "ui/shared/RemovableDrives.h"
#include "ui/shared/UiFonts.h"
#include "ui/core/UiTextTable.h"

namespace {

constexpr COLORREF kPanelGrey = 0xAAAAAA;
constexpr COLORREF kPanelWhite = 0xFFFFFF;
constexpr int kFileCountSlot = 37;
constexpr WORD kFilterStrip = 217;
// Zoom-mode images of the panel: layout 0, and the other layouts.
constexpr int kZoomImageSideBySide = 214;
constexpr int kZoomImageOther = 215;

}  // namespace

CFilerContainer::CFilerContainer(const RecorderFileProbe& probe, const BrowserFileSystem& fs, PlayerEngine& engine)
    : whiteBrush_(CreateSolidBrush(kPanelWhite)),
      greyBrush_(CreateSolidBrush(kPanelGrey)),
      engine_(engine),
      host_(*this),
      core_(fs, probe, tree_, list_, host_),
      resource_(fs) {}

CFilerContainer::CFilerContainer() : CFilerContainer(DefaultRecorderProbe(), HostFileSystem(), ThePlayerEngine()) {}

CFilerContainer::~CFilerContainer() = default;

int CFilerContainer::Create(HWND owner, FolderSelectionHandler* handler) {
    owner_ = owner;
    tree_.CreateTree(owner, {}, g_fontMedium);
    tree_.SetOwner(handler);
    list_.CreateList(owner, {}, g_fontMedium);
    fw::WindowArgs edit;
    edit.parent = owner;
    edit.id = kPathEditId;
    edit.style = WS_CHILD | WS_VISIBLE | ES_READONLY | ES_AUTOHSCROLL;
    edit.font = g_fontNormal;
    pathEdit_.Create(edit);
    for (int k = 0; k < kKindCount; ++k) {
        const int x = panel_.left + 200 + 60 * k;
        const RECT r{x, panel_.top + 40, x + kFilterButtonSize, panel_.top + 40 + kFilterButtonSize};
        CSkinButton& button = buttons_[static_cast<size_t>(k)];
        button.CreateFromBitmap(kFilterStrip, WS_VISIBLE | BS_CHECKBOX, r, owner,
                                static_cast<UINT>(kFirstKindFilterId + k));
        button.SetFont(g_fontNormal, false);
        button.Enable(true);
        SetKindFilter(k, true);
    }
    resource_.SetOwner(owner);
    core_.filterChanged = 0;
    return 1;
}

void CFilerContainer::EnableControls(bool enable) {
    if (zoom_ || controlsHeldOff_) {
        enable = false;
    }
    for (CSkinButton& button : buttons_) {
        button.Enable(enable);
        if (enable) {
            button.Invalidate(true);
        }
    }
    tree_.Enable(enable);
    list_.Enable(enable);
    pathEdit_.Enable(enable);
}

void CFilerContainer::HoldControlsOff(bool held) {
    controlsHeldOff_ = held;
    if (held) {
        EnableControls(false);
    }
}

void CFilerContainer::ShowControls(bool shown) {
    const int command = shown ? SW_SHOW : SW_HIDE;
    for (CSkinButton& button : buttons_) {
        button.Show(command);
    }
    tree_.Show(command);
    list_.Show(command);
    pathEdit_.Show(command);
}

HFONT CFilerContainer::EditFont() const {
    const auto font = reinterpret_cast<HFONT>(pathEdit_.Handle() ? pathEdit_.Send(WM_GETFONT) : 0);
    return font != nullptr ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

int CFilerContainer::EditFontHeight() const {
    LOGFONTW font{};
    GetObjectW(EditFont(), sizeof font, &font);
    return font.lfHeight;
}

PanelRect CFilerContainer::ClientOfOwner() const {
    RECT client{};
    if (owner_ != nullptr) {
        GetClientRect(owner_, &client);
    }
    return ToPlainRect(client);
}

void CFilerContainer::PlaceControls(const PanelPlacement& placement) {
    panel_ = ToRect(placement.panel);
    if (!placement.placeControls) {
        return;
    }
    tree_.Move(ToRect(placement.tree));
    list_.Move(ToRect(placement.list));
    pathEdit_.Move(ToRect(placement.pathEdit));
}

void CFilerContainer::LayoutSideBySide(RECT& r) {
    const PanelPlacement placement =
        ComputePanelPlacement(kLayoutSideBySide, ToPlainRect(r), ClientOfOwner(), EditFontHeight());
    PlaceControls(placement);
    r = panel_;
    if (!placement.placeControls) {
        return;
    }
    PlaceFilterButtons(kLayoutSideBySide);
    EnableControls(true);
}

void CFilerContainer::LayoutStacked(RECT& r) {
    PlaceControls(ComputePanelPlacement(kLayoutStacked, ToPlainRect(r), ClientOfOwner(), EditFontHeight()));
    r = panel_;
    PlaceFilterButtons(kLayoutStacked);
    if (owner_ != nullptr) {
        InvalidateRect(owner_, &panel_, TRUE);
    }
    EnableControls(true);
}

RECT CFilerContainer::GetPanelRect(int mode, const RECT& video) const {
    return ToRect(::GetPanelRect(mode, ToPlainRect(video), ClientOfOwner()));
}

RECT CFilerContainer::GetCountTextRect(int mode, const RECT& video) const {
    return ToRect(::GetCountTextRect(mode, ToPlainRect(video), ClientOfOwner(), EditFontHeight()));
}

void CFilerContainer::PlaceFilterButtons(int mode) {
    for (int k = 0; k < kKindCount; ++k) {
        buttons_[static_cast<size_t>(k)].Move(ToRect(FilterButtonRect(mode, ToPlainRect(panel_), k)));
    }
}

void CFilerContainer::DrawKindLegend(HDC dc, int mode) {
    fw::SelectedObject font(dc, EditFont());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    for (int k = 0; k < kKindCount; ++k) {
        RECT r = ToRect(KindLegendRect(mode, ToPlainRect(panel_), k));
        DrawTextW(dc, UiText(kKindLegendSlots[k]), -1, &r, DT_LEFT);
    }
}

void CFilerContainer::DrawFileCount(const RECT& video, HDC dc, int mode) {
    if (mode != kLayoutSideBySide && mode != kLayoutStacked) {
        return;
    }
    fw::SelectedObject font(dc, EditFont());
    RECT r = GetCountTextRect(mode, video);
    FillRect(dc, &r, greyBrush_.Get());
    const std::wstring text = fw::Format(UiText(kFileCountSlot), list_.GetItemCount());
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, text.c_str(), -1, &r, DT_RIGHT);
}

void CFilerContainer::Paint(const RECT& video, HDC dc, int mode) {
    const RECT panel = GetPanelRect(mode, video);
    if (IsRectEmpty(&panel)) {
        return;
    }
    FillRect(dc, &panel, greyBrush_.Get());
    FrameRect(dc, &panel, whiteBrush_.Get());
    const SkinImage* zoomImage =
        images_ != nullptr ? images_->Image(mode == kLayoutSideBySide ? kZoomImageSideBySide : kZoomImageOther)
                           : nullptr;
    if (zoom_) {
        if (zoomImage != nullptr && zoomImage->Loaded()) {
            fw::MemoryDC source(dc);
            fw::SelectedObject bitmap(source.Get(), zoomImage->Gdi());
            StretchBlt(dc, panel.left, panel.top, panel.right - panel.left, panel.bottom - panel.top, source.Get(), 0,
                       0, zoomImage->Width(), zoomImage->Height(), SRCCOPY);
        }
    } else {
        DrawFileCount(video, dc, mode);
        DrawKindLegend(dc, mode);
    }
    list_.SetPos(HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    tree_.SetPos(HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EnableControls(true);
}

int CFilerContainer::OpenInitialSource(const RECT& video, int mode) {
    if (!core_.OpenInitialSource()) {
        return 0;
    }
    list_.Invalidate(true);
    RedrawFileCount(owner_, mode, video);
    return 1;
}

void CFilerContainer::ShowRootPath() {
    const TreeItemId top = tree_.FirstTopItem();
    if (top != kNoTreeItem) {
        tree_.SelectItem(top);
        pathEdit_.SetText(tree_.GetItemPath(CFolderTreeCtrl::ToItem(top)));
    }
}

int CFilerContainer::OpenFolderItem(HTREEITEM item, const RECT& video, int mode, bool skipRedraw) {
    if (tree_.Handle() == nullptr) {
        return 0;
    }
    const int listed = core_.OpenFolderItem(CFolderTreeCtrl::ToId(item));
    if (!skipRedraw) {
        RedrawFileCount(owner_, mode, video);
    }
    return listed;
}

void CFilerContainer::SetKindFilter(int k, bool on) {
    if (k < 0 || k >= kKindCount) {
        return;
    }
    CSkinButton& button = buttons_[static_cast<size_t>(k)];
    button.latched = on ? 1 : 0;
    if (button.Handle() != nullptr) {
        button.Invalidate(true);
    }
    core_.SetKindFilter(k, on);
}

int CFilerContainer::RedrawFileCount(HWND window, int mode, const RECT& video) {
    if (zoom_ || window == nullptr) {
        return 0;
    }
    fw::WindowDC dc(window);
    if (dc.Get() == nullptr) {
        return 0;
    }
    DrawFileCount(video, dc.Get(), mode);
    return 1;
}

void CFilerContainer::Clear() {
    core_.Clear(owner_ != nullptr);
}

void CFilerContainer::Host::SetWatchedPath(UiStringView path) {
    panel_.resource_.SetWatchedPath(std::wstring(path));
}

void CFilerContainer::Host::ShowPathText(UiStringView text) {
    if (panel_.pathEdit_.Handle() != nullptr) {
        panel_.pathEdit_.SetText(std::wstring(text));
    }
}

bool CFilerContainer::Host::ReadRecorderRecord(UiStringView path, CsRecord& record) {
    // Zeroed first: a record that was not found must not format stale bytes.
    record = CsRecord{};
    const std::wstring text(path);
    return ReadClipCsRecord(&panel_.engine_, record, text.c_str()) == 1;
}

std::vector<UiString> CFilerContainer::Host::RemovableDrives() {
    std::vector<std::wstring> drives;
    GetRemovableDrives(drives);
    return drives;
}

UiString CFilerContainer::Host::ReadSourceSetting(UiStringView key) {
    return ReadIniString(L"SOURCE", std::wstring(key));
}
