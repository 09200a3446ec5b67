#include "browser/CFileListCtrl.h"

#include "browser/core/RecordNames.h"
#include "framework/Handles.h"
#include "ui/core/TriggerKind.h"
#include "ui/core/UiTextTable.h"

namespace {

constexpr int kTitleSlot = 23;
constexpr int kKindSlot = 31;
constexpr int kNameColumnWidth = 140;
constexpr int kKindColumnWidth = 50;
constexpr int kKindColumnReserve = 51;

}  // namespace

const fw::MessageMap& CFileListHeaderCtrl::GetMessageMap() const {
    static const fw::MessageMap map(&fw::HeaderCtrl::GetMessageMap(), {
        fw::OnReflected(WM_DRAWITEM, &CFileListHeaderCtrl::OnDrawItem),
    });
    return map;
}

LRESULT CFileListHeaderCtrl::OnDrawItem(const fw::Message& m) {
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(m.lParam);
    FillRect(item->hDC, &item->rcItem, GetSysColorBrush(COLOR_BTNFACE));
    return TRUE;
}

CFileListCtrl::~CFileListCtrl() {
    header_.Detach();
}

const fw::MessageMap& CFileListCtrl::GetMessageMap() const {
    static const fw::MessageMap map(&fw::ListView::GetMessageMap(), {
        fw::OnReflected(WM_DRAWITEM, &CFileListCtrl::OnDrawItem),
        fw::OnMessage(WM_NCCALCSIZE, &CFileListCtrl::OnNcCalcSize),
        fw::OnMessage(WM_LBUTTONDBLCLK, &CFileListCtrl::OnLButtonDblClk),
        fw::OnReflectedNotify(LVN_COLUMNCLICK, &CFileListCtrl::OnColumnClick),
    });
    return map;
}

void CFileListCtrl::PreCreateWindow(CREATESTRUCTW& create) {
    create.style |= LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOLABELWRAP | LVS_OWNERDRAWFIXED;
    create.style &= ~static_cast<LONG>(LVS_ALIGNLEFT);
}

bool CFileListCtrl::CreateList(HWND parent, const RECT& rect, HFONT font) {
    fw::WindowArgs args;
    args.parent = parent;
    args.id = kRecordingListId;
    args.rect = rect;
    args.style = WS_CHILD | WS_VISIBLE | LVS_NOCOLUMNHEADER;
    args.exStyle = WS_EX_CONTROLPARENT;
    args.font = font;
    if (!Create(args)) {
        return false;
    }
    InsertColumn(0, UiText(kTitleSlot), kNameColumnWidth);
    InsertColumn(1, UiText(kKindSlot), kKindColumnWidth);
    if (header_.Attach(GetHeader())) {
        header_.SetOwnerDraw(0);
        header_.SetOwnerDraw(1);
    }
    SetBkColor(RGB(255, 255, 255));
    return true;
}

void CFileListCtrl::InsertRecordRow(const MovieFileRecord& record) {
    const int row = InsertItem(GetItemCount(), std::wstring(ListRowTitle(record.FileName())));
    if (row >= 0) {
        SetItemText(row, 1, GetTriggerKindLabel(record.FileName()));
    }
}

void CFileListCtrl::RebuildRows() {
    if (GetItemCount() > 0) {
        DeleteAllItems();
    }
    for (const MovieFileRecord& record : shownRecords) {
        InsertRecordRow(record);
    }
    Invalidate(true);
}

void CFileListCtrl::SelectOnlyRow(int row) {
    const int selected = GetNextItem(-1, LVNI_SELECTED);
    if (selected >= 0) {
        SetItemState(selected, 0, LVIS_SELECTED);
    }
    SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_SetSelectionMark(Handle(), row);
}

LRESULT CFileListCtrl::OnDrawItem(const fw::Message& m) {
    DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(m.lParam));
    return TRUE;
}

void CFileListCtrl::DrawItem(const DRAWITEMSTRUCT& item) {
    const RECT client = ClientRect();
    const int clientWidth = client.right - client.left;
    if (clientWidth == 0 || drawing_) {
        return;
    }
    drawing_ = true;
    const HDC dc = item.hDC;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kRowText);
    SetColumnWidth(0, clientWidth - kKindColumnReserve);
    const HWND headerWindow = GetHeader();
    if (headerWindow == nullptr || Header_GetItemCount(headerWindow) <= 0) {
        drawing_ = false;
        return;
    }
    const int row = static_cast<int>(item.itemID);
    const std::wstring text = GetItemText(row, 0);
    RECT bounds{};
    GetItemRect(row, bounds, LVIR_BOUNDS);
    // The row's own name decides the tint; the shown record may be missing
    // while rows are rebuilt.
    const UiStringView name = static_cast<size_t>(row) < shownRecords.size()
                                  ? shownRecords[static_cast<size_t>(row)].FileName()
                                  : UiStringView(text);
    const bool current = row == currentIndex;
    fw::Brush fill(CreateSolidBrush(RowBackgroundColour(name, current)));
    RECT filled = bounds;
    if (current) {
        filled.left = 0;
    }
    FillRect(dc, &filled, fill.Get());
    RECT frame = bounds;
    frame.right += 1;
    frame.bottom += 1;
    fw::Brush frameBrush(CreateSolidBrush(kRowFrame));
    FrameRect(dc, &frame, frameBrush.Get());
    const HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(Send(WM_GETFONT)));
    RECT textRect = bounds;
    DrawTextW(dc, text.c_str(), -1, &textRect, DT_WORD_ELLIPSIS | DT_SINGLELINE | DT_VCENTER);
    SelectObject(dc, previous);
    drawing_ = false;
}

LRESULT CFileListCtrl::OnNcCalcSize(const fw::Message& m) {
    if (!calculating_) {
        calculating_ = true;
        // The vertical scroll bar always shows, disabled when nothing scrolls.
        ShowScrollBar(Handle(), SB_VERT, TRUE);
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_RANGE | SIF_DISABLENOSCROLL;
        const int rows = GetItemCount();
        info.nMin = rows > 0 ? 0 : -1;
        info.nMax = rows > 0 ? rows : -1;
        SetScrollInfo(Handle(), SB_VERT, &info, TRUE);
        calculating_ = false;
    }
    return Default(m);
}

LRESULT CFileListCtrl::OnLButtonDblClk(const fw::Message& m) {
    PostMessageW(Parent(), WM_APP_FILELIST_DBLCLK, 0, 0);
    return Default(m);
}

LRESULT CFileListCtrl::OnColumnClick(const fw::Message&) {
    return 0;
}
