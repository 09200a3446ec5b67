#include "framework/ListView.h"

#include <vector>

namespace fw {

int ListView::InsertColumn(int index, const std::wstring& text, int width, int format) const {
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    column.fmt = format;
    column.cx = width;
    column.pszText = const_cast<wchar_t*>(text.c_str());
    return ListView_InsertColumn(Handle(), index, &column);
}

int ListView::InsertItem(int index, const std::wstring& text, LPARAM data) const {
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = index;
    item.pszText = const_cast<wchar_t*>(text.c_str());
    item.lParam = data;
    return ListView_InsertItem(Handle(), &item);
}

BOOL ListView::SetItemText(int index, int column, const std::wstring& text) const {
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = const_cast<wchar_t*>(text.c_str());
    return static_cast<BOOL>(Send(LVM_SETITEMTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)));
}

std::wstring ListView::GetItemText(int index, int column) const {
    std::vector<wchar_t> buffer(MAX_PATH + 1, L'\0');
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = buffer.data();
    item.cchTextMax = static_cast<int>(buffer.size());
    const LRESULT length = Send(LVM_GETITEMTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return std::wstring(buffer.data(), static_cast<size_t>(length > 0 ? length : 0));
}

LPARAM ListView::GetItemData(int index) const {
    LVITEMW item{};
    item.mask = LVIF_PARAM;
    item.iItem = index;
    return ListView_GetItem(Handle(), &item) ? item.lParam : 0;
}

}  // namespace fw
