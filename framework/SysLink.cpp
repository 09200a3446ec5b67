#include "framework/SysLink.h"

namespace fw {

std::wstring SysLink::GetItemUrl(int index) const {
    LITEM item{};
    item.mask = LIF_ITEMINDEX | LIF_URL;
    item.iLink = index;
    if (!Send(LM_GETITEM, 0, reinterpret_cast<LPARAM>(&item))) {
        return {};
    }
    return std::wstring(item.szUrl);
}

}  // namespace fw
