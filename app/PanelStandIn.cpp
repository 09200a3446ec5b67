#include "app/PanelStandIn.h"

const fw::MessageMap& PanelStandIn::GetMessageMap() const {
    static const fw::MessageMap map(&fw::Dialog::GetMessageMap(), {
        fw::OnMessage(WM_ERASEBKGND, &PanelStandIn::OnEraseBkgnd),
    });
    return map;
}

LRESULT PanelStandIn::OnEraseBkgnd(const fw::Message& m) {
    const RECT r = ClientRect();
    FillRect(reinterpret_cast<HDC>(m.wParam), &r, fill_.Get());
    return TRUE;
}
