#include "framework/HeaderCtrl.h"

namespace fw {

BOOL HeaderCtrl::SetOwnerDraw(int index) const {
    HDITEMW item{};
    item.mask = HDI_FORMAT;
    if (!Header_GetItem(Handle(), index, &item)) {
        return FALSE;
    }
    item.fmt |= HDF_OWNERDRAW;
    return Header_SetItem(Handle(), index, &item);
}

}  // namespace fw
