#pragma once

#include <string>

#include "framework/Window.h"

namespace fw {

// A dialog made from one of the program's dialog templates, modal or
// modeless. The dialog manager's own procedure stays the default, so keys,
// focus and default buttons behave as in any dialog; from WM_INITDIALOG on
// every message goes through the class's table like any window's.
class Dialog : public Window {
public:
    explicit Dialog(int templateId) : templateId_(templateId) {}

    // Runs the dialog's modal loop on the calling thread, which may be a
    // worker whose owner window lives on the UI thread (the UI thread must
    // then keep handling sent messages). -1 when the dialog could not be made.
    INT_PTR DoModal(HWND owner);
    // Creates the dialog and returns at once; parent may be null.
    bool CreateModeless(HWND parent);
    // A modal dialog's loop ends with the result; a modeless dialog hides.
    void EndDialog(INT_PTR result);

    int TemplateId() const { return templateId_; }

    // Reading and writing control values by id, in place of data exchange.
    std::wstring GetItemText(int id) const;
    BOOL SetItemText(int id, const std::wstring& text) const { return SetDlgItemTextW(Handle(), id, text.c_str()); }
    bool IsItemChecked(int id) const { return IsDlgButtonChecked(Handle(), id) == BST_CHECKED; }
    BOOL CheckItem(int id, bool checked) const {
        return CheckDlgButton(Handle(), id, checked ? BST_CHECKED : BST_UNCHECKED);
    }
    BOOL MoveItem(int id, const RECT& r, bool repaint = true) const {
        return MoveWindow(Item(id), r.left, r.top, r.right - r.left, r.bottom - r.top, repaint);
    }
    BOOL EnableItem(int id, bool enable) const { return EnableWindow(Item(id), enable); }
    // Places the dialog in the middle of the screen's work area.
    void CenterOnScreen() const;

protected:
    virtual BOOL OnInitDialog() { return TRUE; }
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    const MessageMap& GetMessageMap() const override;

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT id, WPARAM wParam, LPARAM lParam);
    LRESULT HandleOk(const Message& m);
    LRESULT HandleCancel(const Message& m);

    int templateId_;
    bool modal_ = false;
};

}  // namespace fw
