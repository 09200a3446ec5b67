#include "framework/TreeView.h"

#include <vector>

namespace fw {

HTREEITEM TreeView::InsertItem(const std::wstring& text, HTREEITEM parent, HTREEITEM after, int image,
                               int selectedImage, LPARAM data) const {
    TVINSERTSTRUCTW insert{};
    insert.hParent = parent;
    insert.hInsertAfter = after;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
    insert.item.pszText = const_cast<wchar_t*>(text.c_str());
    insert.item.iImage = image;
    insert.item.iSelectedImage = selectedImage;
    insert.item.lParam = data;
    return TreeView_InsertItem(Handle(), &insert);
}

std::wstring TreeView::GetItemText(HTREEITEM item) const {
    std::vector<wchar_t> buffer(MAX_PATH + 1, L'\0');
    TVITEMW query{};
    query.mask = TVIF_TEXT;
    query.hItem = item;
    query.pszText = buffer.data();
    query.cchTextMax = static_cast<int>(buffer.size());
    if (!TreeView_GetItem(Handle(), &query)) {
        return {};
    }
    return std::wstring(buffer.data());
}

LPARAM TreeView::GetItemData(HTREEITEM item) const {
    TVITEMW query{};
    query.mask = TVIF_PARAM;
    query.hItem = item;
    return TreeView_GetItem(Handle(), &query) ? query.lParam : 0;
}

}  // namespace fw
