#include "framework/Dialog.h"

#include <vector>

namespace fw {

const MessageMap& Dialog::GetMessageMap() const {
    static const MessageMap map(&Window::GetMessageMap(), {
        OnCommand(IDOK, &Dialog::HandleOk),
        OnCommand(IDCANCEL, &Dialog::HandleCancel),
    });
    return map;
}

INT_PTR Dialog::DoModal(HWND owner) {
    if (Handle() != nullptr) {
        return -1;
    }
    modal_ = true;
    const INT_PTR result = DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId_), owner,
                                           &Dialog::DialogProc, reinterpret_cast<LPARAM>(this));
    modal_ = false;
    return result;
}

bool Dialog::CreateModeless(HWND parent) {
    if (Handle() != nullptr) {
        return false;
    }
    modal_ = false;
    const HWND hwnd = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId_), parent,
                                         &Dialog::DialogProc, reinterpret_cast<LPARAM>(this));
    if (hwnd == nullptr) {
        return false;
    }
    ownsWindow_ = true;
    return true;
}

void Dialog::EndDialog(INT_PTR result) {
    if (modal_) {
        ::EndDialog(Handle(), result);
    } else {
        ShowWindow(Handle(), SW_HIDE);
    }
}

std::wstring Dialog::GetItemText(int id) const {
    const HWND item = Item(id);
    const int length = GetWindowTextLengthW(item);
    std::vector<wchar_t> buffer(static_cast<size_t>(length > 0 ? length : 0) + 1);
    const UINT copied = GetDlgItemTextW(Handle(), id, buffer.data(), static_cast<int>(buffer.size()));
    return std::wstring(buffer.data(), copied);
}

void Dialog::CenterOnScreen() const {
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const RECT r = WindowRect();
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    SetPos(nullptr, work.left + (work.right - work.left - width) / 2, work.top + (work.bottom - work.top - height) / 2,
           0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT Dialog::HandleOk(const Message&) {
    OnOK();
    return 0;
}

LRESULT Dialog::HandleCancel(const Message&) {
    OnCancel();
    return 0;
}

INT_PTR CALLBACK Dialog::DialogProc(HWND hwnd, UINT id, WPARAM wParam, LPARAM lParam) {
    (void)wParam;
    if (id != WM_INITDIALOG) {
        // Everything after WM_INITDIALOG arrives through Window::WindowProc,
        // which calls the dialog manager, which calls here: leave it to the
        // manager.
        return FALSE;
    }
    auto* dialog = reinterpret_cast<Dialog*>(lParam);
    if (!dialog->Subclass(hwnd)) {
        return FALSE;
    }
    return dialog->OnInitDialog();
}

}  // namespace fw
