#include "map/core/MapUpdateMessage.h"

#include "map/core/AsciiFormat.h"
#include "map/core/CJsonHolder.h"

void MapUpdateMessage::WriteTo(CJsonHolder& json) const {
    const UiString comma = UI_TEXT(",");
    json.Set(UI_TEXT("val_command"), UI_TEXT("update"), comma);
    json.Set(UI_TEXT("map_lat"), FormatAscii("%f", latitude), comma);
    json.Set(UI_TEXT("map_lng"), FormatAscii("%f", longitude), comma);
    json.Set(UI_TEXT("map_status"), status, comma);
    json.Set(UI_TEXT("val_end"), UiString(), UiString());
}

UiString MapUpdateMessage::ToJson() const {
    CJsonHolder json;
    WriteTo(json);
    return json.Serialize();
}
