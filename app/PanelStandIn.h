#pragma once

#include "framework/Dialog.h"
#include "framework/Handles.h"

// An empty window on a panel's template, standing in the panel's place
// until the panel's own code exists: it is created, laid out, shown,
// hidden and enabled like the panel and shows only the skin's dark fill.
class PanelStandIn : public fw::Dialog {
public:
    explicit PanelStandIn(int templateId) : fw::Dialog(templateId) {}

protected:
    const fw::MessageMap& GetMessageMap() const override;

private:
    LRESULT OnEraseBkgnd(const fw::Message& m);

    fw::Brush fill_{CreateSolidBrush(RGB(0x3F, 0x3F, 0x3F))};
};
