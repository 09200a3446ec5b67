#pragma once

#include "ui/core/UiChar.h"

class CJsonHolder;

// What the web-view page is posted once a second: the position and status
// the main window last handed to the map window.
struct MapUpdateMessage {
    double latitude = 0.0;
    double longitude = 0.0;
    UiString status;  // one of the map status texts

    // Fills the holder with the message's five entries; "val_end" sorts last
    // and carries no comma, so the text ends cleanly.
    void WriteTo(CJsonHolder& json) const;
    // One flat object of five string values, keys in sorted order, no blanks:
    // {"map_lat":"%f","map_lng":"%f","map_status":"...","val_command":"update","val_end":""}
    // Values are written as they are: the status texts need no escaping.
    UiString ToJson() const;
};
