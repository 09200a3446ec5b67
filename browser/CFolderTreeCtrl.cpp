#include "browser/CFolderTreeCtrl.h"

#include <shellapi.h>

#include <vector>

#include "browser/core/PanelLayout.h"
#include "framework/DeviceContext.h"

namespace {

constexpr COLORREF kSelectedFill = 0xFFCC00;
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr int kMarkSize = 26;
constexpr int kMarkTop = 5;
constexpr int kMarkX = 8;

HBITMAP LoadSkinBitmap(int id) {
    return LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id));
}

SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP info{};
    if (bitmap == nullptr || GetObjectW(bitmap, sizeof info, &info) == 0) {
        return {0, 0};
    }
    return {info.bmWidth, info.bmHeight};
}

}  // namespace

CFolderTreeCtrl::CFolderTreeCtrl() {
    images_.Create(16, 16, ILC_COLOR32 | ILC_MASK, 4, 0);
    for (const int index : {3, 19}) {
        if (HICON icon = ExtractIconW(GetModuleHandleW(nullptr), L"shell32.dll", index);
            icon != nullptr && icon != reinterpret_cast<HICON>(1)) {
            images_.AddIcon(icon);
            DestroyIcon(icon);
        }
    }
    baseMark_.Reset(LoadSkinBitmap(kTreeBaseMark));
    const int overlayIds[4] = {315, 316, 317, 318};
    for (size_t i = 0; i < overlays_.size(); ++i) {
        overlays_[i].Reset(LoadSkinBitmap(overlayIds[i]));
    }
}

CFolderTreeCtrl::~CFolderTreeCtrl() = default;

const fw::MessageMap& CFolderTreeCtrl::GetMessageMap() const {
    static const fw::MessageMap map(&fw::TreeView::GetMessageMap(), {
        fw::OnReflectedNotify(NM_CUSTOMDRAW, &CFolderTreeCtrl::OnCustomDraw),
        fw::OnReflectedNotify(TVN_SELCHANGEDW, &CFolderTreeCtrl::OnSelchanged),
        fw::OnMessage(WM_ERASEBKGND, &CFolderTreeCtrl::OnEraseBkgnd),
    });
    return map;
}

void CFolderTreeCtrl::PreCreateWindow(CREATESTRUCTW& create) {
    create.style |= TVS_SHOWSELALWAYS | TVS_FULLROWSELECT | TVS_NOHSCROLL;
}

bool CFolderTreeCtrl::CreateTree(HWND parent, const RECT& rect, HFONT font) {
    fw::WindowArgs args;
    args.parent = parent;
    args.id = kFolderTreeId;
    args.rect = rect;
    args.style = WS_CHILD | WS_VISIBLE;
    args.font = font;
    if (!Create(args)) {
        return false;
    }
    SetImageList(images_.Handle(), TVSIL_NORMAL);
    return true;
}

TreeItemId CFolderTreeCtrl::InsertLast(TreeItemId parent, UiStringView name, uint32_t kindsMask) {
    // Image and selected image 0: the main window ignores a selection whose
    // selected-image value is not 0.
    const HTREEITEM item = InsertItem(std::wstring(name), parent == kNoTreeItem ? TVI_ROOT : ToItem(parent), TVI_LAST,
                                      0, 0, static_cast<LPARAM>(kindsMask));
    return ToId(item);
}

void CFolderTreeCtrl::SetItemMask(TreeItemId item, uint32_t kindsMask) {
    TVITEMW change{};
    change.mask = TVIF_PARAM;
    change.hItem = ToItem(item);
    change.lParam = static_cast<LPARAM>(kindsMask);
    TreeView_SetItem(Handle(), &change);
}

bool CFolderTreeCtrl::ReadItemText(TreeItemId item, UiString& text) const {
    wchar_t buffer[MAX_PATH] = L"";
    TVITEMW query{};
    query.mask = TVIF_TEXT;
    query.hItem = ToItem(item);
    query.pszText = buffer;
    query.cchTextMax = MAX_PATH;
    if (!TreeView_GetItem(Handle(), &query)) {
        return false;
    }
    text = buffer;
    return true;
}

void CFolderTreeCtrl::DeleteChildren(TreeItemId item) {
    HTREEITEM child = GetChildItem(ToItem(item));
    while (child != nullptr) {
        const HTREEITEM next = GetNextSiblingItem(child);
        TreeView_DeleteItem(Handle(), child);
        child = next;
    }
}

LRESULT CFolderTreeCtrl::OnSelchanged(const fw::Message& m) {
    if (owner_ != nullptr) {
        owner_->OnFolderSelChanged(*reinterpret_cast<const NMTREEVIEWW*>(m.lParam));
    }
    return 0;
}

LRESULT CFolderTreeCtrl::OnEraseBkgnd(const fw::Message& m) {
    const RECT client = ClientRect();
    FillRect(reinterpret_cast<HDC>(m.wParam), &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    return TRUE;
}

LRESULT CFolderTreeCtrl::OnCustomDraw(const fw::Message& m) {
    auto* draw = reinterpret_cast<NMTVCUSTOMDRAW*>(m.lParam);
    switch (draw->nmcd.dwDrawStage) {
    case CDDS_PREPAINT: {
        const RECT client = ClientRect();
        FillRect(draw->nmcd.hdc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        return CDRF_NOTIFYITEMDRAW;
    }
    case CDDS_ITEMPREPAINT:
        PaintItem(*draw);
        return CDRF_SKIPDEFAULT;
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM:
        return CDRF_NOTIFYPOSTPAINT;
    default:
        return CDRF_DODEFAULT;
    }
}

void CFolderTreeCtrl::PaintItem(NMTVCUSTOMDRAW& draw) {
    const auto item = reinterpret_cast<HTREEITEM>(draw.nmcd.dwItemSpec);
    wchar_t text[MAX_PATH] = L"";
    TVITEMW query{};
    query.mask = TVIF_TEXT | TVIF_STATE | TVIF_PARAM | TVIF_SELECTEDIMAGE | TVIF_CHILDREN;
    query.hItem = item;
    query.pszText = text;
    query.cchTextMax = MAX_PATH;
    query.stateMask = TVIS_SELECTED;
    TreeView_GetItem(Handle(), &query);
    RECT r = draw.nmcd.rc;
    if (r.bottom == r.top) {
        return;
    }
    const HDC dc = draw.nmcd.hdc;
    const int savedText = GetTextColor(dc);
    if (query.state & TVIS_SELECTED) {
        fw::Brush fill(CreateSolidBrush(kSelectedFill));
        FillRect(dc, &r, fill.Get());
        DrawFocusRect(dc, &r);
        SetTextColor(dc, kWhite);
    } else {
        FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    // Text one item height in per level, the first level included.
    int level = 0;
    for (HTREEITEM at = GetParentItem(item); at != nullptr; at = GetParentItem(at)) {
        ++level;
    }
    const int itemHeight = r.bottom - r.top;
    RECT textRect = r;
    textRect.left = r.left + (level + 1) * itemHeight;
    SetBkMode(dc, TRANSPARENT);
    const UINT format = DT_SINGLELINE | DT_VCENTER | DT_LEFT;
    RECT measured = textRect;
    DrawTextW(dc, text, -1, &measured, format | DT_CALCRECT);
    textRect.right = measured.right > textRect.right ? measured.right : textRect.right;
    DrawTextW(dc, text, -1, &textRect, format);
    SetTextColor(dc, savedText);

    const auto mask = static_cast<uint32_t>(query.lParam);
    if (mask == 0) {
        return;
    }
    fw::Bitmap mark(ComposeMark(dc, mask));
    if (!mark) {
        return;
    }
    fw::MemoryDC source(dc);
    fw::SelectedObject selected(source.Get(), mark.Get());
    TransparentBlt(dc, kMarkX, r.top, kMarkSize, kMarkSize, source.Get(), 0, 0, kMarkSize, kMarkSize, kWhite);
}

HBITMAP CFolderTreeCtrl::ComposeMark(HDC reference, uint32_t kindsMask) const {
    if (kindsMask == 0) {
        return nullptr;
    }
    HBITMAP canvas = CreateCompatibleBitmap(reference, kMarkSize, kMarkSize);
    if (canvas == nullptr) {
        return nullptr;
    }
    {
        fw::MemoryDC target(reference);
        fw::SelectedObject targetBitmap(target.Get(), canvas);
        const RECT all{0, 0, kMarkSize, kMarkSize};
        FillRect(target.Get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        fw::MemoryDC source(reference);
        const SIZE base = BitmapSize(baseMark_.Get());
        if (baseMark_) {
            fw::SelectedObject baseBitmap(source.Get(), baseMark_.Get());
            BitBlt(target.Get(), 0, kMarkTop, base.cx, base.cy, source.Get(), 0, 0, SRCCOPY);
        }
        int ids[4];
        const int count = TreeMarkOverlays(kindsMask, ids);
        for (int i = 0; i < count; ++i) {
            const fw::Bitmap& overlay = overlays_[static_cast<size_t>(ids[i] - 315)];
            if (!overlay || base.cx == 0) {
                continue;
            }
            const SIZE own = BitmapSize(overlay.Get());
            fw::SelectedObject overlayBitmap(source.Get(), overlay.Get());
            TransparentBlt(target.Get(), 0, kMarkTop, base.cx, base.cy, source.Get(), 0, 0, own.cx, own.cy, kWhite);
        }
    }
    return canvas;
}
