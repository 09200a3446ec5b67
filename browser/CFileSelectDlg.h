#pragma once

#include <windows.h>

#include <vector>

#include "browser/core/SelectionRules.h"
#include "framework/Dialog.h"
#include "framework/ListView.h"

// The check-box selection dialog for deleting and joining recordings
// (template 178). The caller sets the mode, hands in the
// records, runs it modally and on IDOK reads the result records. In join
// mode the ticked rows stay one run and OK refuses more than 1024 MB or 100
// files and more.
class CFileSelectDlg : public fw::Dialog {
public:
    static constexpr int kTemplateId = 178;
    static constexpr int kListId = 1003;
    static constexpr int kSelectAllId = 1004;
    static constexpr int kShowAllId = 1005;
    static constexpr int kTotalSizeId = 1006;

    CFileSelectDlg() : fw::Dialog(kTemplateId) {}

    // Copies at most 1500 records; more are cut with one "ERROR" box (slot
    // 105), owned by owner: the window the dialog will run over, which the
    // box must keep from being used while it is up.
    int SetShownRecords(const MovieFileRecordList& records, HWND owner);
    // Copies at most 1500 records without a box; 0 when it stopped at 1500.
    int SetAllRecords(const MovieFileRecordList& records);

    int initialGroup = -1;  // set by the callers; nothing here depends on it
    int mode = kSelectDelete;

    const MovieFileRecordList& ResultRecords() const { return results_; }
    const MovieFileRecordList& ListRecords() const { return rows_; }
    CheckedRun Run() const { return run_; }

    void FillList(bool showAll);
    void FindCheckedRun();

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    const fw::MessageMap& GetMessageMap() const override;

private:
    LRESULT OnClickedCheckBox(const fw::Message& m);
    LRESULT OnItemchangedList(const fw::Message& m);
    LRESULT OnCustomdrawList(const fw::Message& m);
    LRESULT OnCtlColor(const fw::Message& m);
    std::vector<bool> Ticks() const;
    void SetTicks(int from, int to, bool state);
    void UpdateTotals();

    fw::ListView list_;
    MovieFileRecordList shown_;
    MovieFileRecordList all_;
    MovieFileRecordList rows_;
    MovieFileRecordList results_;
    CheckedRun run_;
    SelectionTotals totals_;
    bool applying_ = false;  // ticks set by the dialog itself re-enter LVN_ITEMCHANGED
};
