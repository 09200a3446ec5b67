#include "browser/CFileSelectDlg.h"

#include "framework/UserPrompts.h"
#include "ui/core/UiTextTable.h"
#include "ui/shared/UiFonts.h"

namespace {

constexpr int kColumnNameSlot = 50;
constexpr int kColumnSizeSlot = 51;
constexpr int kColumnWidth = 220;
constexpr int kSelectAllSlot = 55;
constexpr int kShowAllSlot = 56;
constexpr wchar_t kErrorCaption[] = L"ERROR";

struct ModeTexts {
    int caption;
    int ok;
};
constexpr ModeTexts kModeTexts[] = {{47, 47}, {43, 53}, {44, 45}};

// Only a change between the two check images counts as ticking.
bool IsCheckChange(const NMLISTVIEW& change) {
    if (!(change.uChanged & LVIF_STATE)) {
        return false;
    }
    const UINT oldImage = (change.uOldState & LVIS_STATEIMAGEMASK) >> 12;
    const UINT newImage = (change.uNewState & LVIS_STATEIMAGEMASK) >> 12;
    return oldImage != newImage && oldImage != 0 && newImage != 0;
}

}  // namespace

const fw::MessageMap& CFileSelectDlg::GetMessageMap() const {
    static const fw::MessageMap map(&fw::Dialog::GetMessageMap(), {
        fw::OnControlCommand(BN_CLICKED, kSelectAllId, &CFileSelectDlg::OnClickedCheckBox),
        fw::OnControlCommand(BN_CLICKED, kShowAllId, &CFileSelectDlg::OnClickedCheckBox),
        fw::OnNotify(LVN_ITEMCHANGED, kListId, &CFileSelectDlg::OnItemchangedList),
        fw::OnNotify(NM_CUSTOMDRAW, kListId, &CFileSelectDlg::OnCustomdrawList),
        fw::OnCtlColor(&CFileSelectDlg::OnCtlColor),
    });
    return map;
}

int CFileSelectDlg::SetShownRecords(const MovieFileRecordList& records, HWND owner) {
    const size_t taken = records.size() < kMaxSelectionRecords ? records.size() : kMaxSelectionRecords;
    shown_.assign(records.begin(), records.begin() + static_cast<std::ptrdiff_t>(taken));
    if (records.size() > kMaxSelectionRecords) {
        fw::Prompts().ShowMessage(owner, UiText(kSlotOver1500), kErrorCaption, MB_OK);
    }
    return 1;
}

int CFileSelectDlg::SetAllRecords(const MovieFileRecordList& records) {
    const size_t taken = records.size() < kMaxSelectionRecords ? records.size() : kMaxSelectionRecords;
    all_.assign(records.begin(), records.begin() + static_cast<std::ptrdiff_t>(taken));
    return records.size() > kMaxSelectionRecords ? 0 : 1;
}

BOOL CFileSelectDlg::OnInitDialog() {
    list_.Attach(Item(kListId));
    for (const int id : {kListId, kShowAllId, kSelectAllId, kTotalSizeId, static_cast<int>(IDOK)}) {
        SendDlgItemMessageW(Handle(), id, WM_SETFONT, reinterpret_cast<WPARAM>(g_fontNormal), FALSE);
    }
    SetFont(g_fontNormal, false);
    list_.InsertColumn(0, UiText(kColumnNameSlot), kColumnWidth);
    list_.InsertColumn(1, UiText(kColumnSizeSlot), kColumnWidth);
    list_.SetExtendedStyle(LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    FillList(false);
    const ModeTexts& texts = kModeTexts[mode >= kSelectDelete && mode <= kSelectJoin ? mode : kSelectDelete];
    SetText(UiText(texts.caption));
    SetItemText(IDOK, UiText(texts.ok));
    SetItemText(kShowAllId, UiText(kShowAllSlot));
    SetItemText(kSelectAllId, UiText(kSelectAllSlot));
    SetItemText(kTotalSizeId, L"0 MB");
    EnableItem(kShowAllId, mode != kSelectJoin);
    if (mode == kSelectDelete || mode == kSelectJoin) {
        EnableItem(IDOK, false);
    }
    return TRUE;
}

void CFileSelectDlg::FillList(bool showAll) {
    applying_ = true;
    rows_.clear();
    list_.DeleteAllItems();
    for (const MovieFileRecord& record : showAll ? all_ : shown_) {
        if (mode == kSelectJoin && !JoinModeListsRecord(record.FullPath())) {
            continue;
        }
        rows_.push_back(record);
        const int row = list_.InsertItem(list_.GetItemCount(), std::wstring(record.FileName()));
        list_.SetItemText(row, 1, RecordSizeText(record.fileSize));
    }
    applying_ = false;
}

std::vector<bool> CFileSelectDlg::Ticks() const {
    std::vector<bool> ticks(static_cast<size_t>(list_.GetItemCount()));
    for (size_t row = 0; row < ticks.size(); ++row) {
        ticks[row] = list_.GetCheckState(static_cast<int>(row));
    }
    return ticks;
}

void CFileSelectDlg::SetTicks(int from, int to, bool state) {
    applying_ = true;
    for (int row = from; row < to; ++row) {
        list_.SetCheckState(row, state);
    }
    applying_ = false;
}

void CFileSelectDlg::FindCheckedRun() {
    run_ = ::FindCheckedRun(Ticks());
}

void CFileSelectDlg::UpdateTotals() {
    totals_ = ComputeSelectionTotals(rows_, Ticks(), mode);
    SetItemText(kTotalSizeId, totals_.text);
    InvalidateRect(Item(kTotalSizeId), nullptr, TRUE);
    EnableItem(IDOK, SelectionOkEnabled(mode, totals_.count, IsWindowEnabled(Item(IDOK)) != FALSE));
}

LRESULT CFileSelectDlg::OnClickedCheckBox(const fw::Message&) {
    FillList(IsItemChecked(kShowAllId));
    if (IsItemChecked(kSelectAllId)) {
        SetTicks(0, list_.GetItemCount(), true);
    }
    FindCheckedRun();
    UpdateTotals();
    return 0;
}

LRESULT CFileSelectDlg::OnItemchangedList(const fw::Message& m) {
    if (applying_) {
        return 0;
    }
    const auto& change = *reinterpret_cast<const NMLISTVIEW*>(m.lParam);
    if (mode == kSelectJoin && IsCheckChange(change) && change.iItem >= 0) {
        const RowRange range = ContiguityRange(run_, change.iItem);
        SetTicks(range.from, range.to, list_.GetCheckState(change.iItem));
        FindCheckedRun();
    }
    UpdateTotals();
    return 0;
}

LRESULT CFileSelectDlg::OnCustomdrawList(const fw::Message& m) {
    auto* draw = reinterpret_cast<NMLVCUSTOMDRAW*>(m.lParam);
    if (draw->nmcd.dwDrawStage == CDDS_PREPAINT) {
        return CDRF_NOTIFYITEMDRAW;
    }
    if (draw->nmcd.dwDrawStage == CDDS_ITEMPREPAINT && mode == kSelectJoin) {
        const size_t row = draw->nmcd.dwItemSpec;
        if (row < rows_.size() && rows_[row].joinedFlag == 1) {
            draw->clrText = RGB(255, 0, 255);
            draw->clrTextBk = RGB(255, 255, 0);
        }
    }
    return CDRF_DODEFAULT;
}

LRESULT CFileSelectDlg::OnCtlColor(const fw::Message& m) {
    if (m.CtlColorWindow() != Item(kTotalSizeId)) {
        return Default(m);
    }
    const HDC dc = m.CtlColorDC();
    SetTextColor(dc, totals_.sizeOver ? RGB(255, 0, 0) : RGB(0, 0, 0));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

void CFileSelectDlg::OnOK() {
    totals_ = ComputeSelectionTotals(rows_, Ticks(), mode);
    if (const int refusal = SelectionRefusalSlot(totals_)) {
        fw::Prompts().ShowMessage(Handle(), UiText(refusal), kErrorCaption, MB_OK);
        return;
    }
    results_.clear();
    const std::vector<bool> ticks = Ticks();
    for (size_t row = 0; row < ticks.size() && row < rows_.size(); ++row) {
        if (ticks[row]) {
            results_.push_back(rows_[row]);
        }
    }
    EndDialog(IDOK);
}
