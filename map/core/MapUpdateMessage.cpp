#include "map/core/MapUpdateMessage.h"

#include "map/core/AsciiFormat.h"

namespace {

void AppendPair(UiString& json, const UiChar* key, const UiString& value, bool last) {
    json += UI_TEXT("\"");
    json += key;
    json += UI_TEXT("\":\"");
    json += value;
    json += last ? UI_TEXT("\"") : UI_TEXT("\",");
}

}  // namespace

UiString MapUpdateMessage::ToJson() const {
    UiString json = UI_TEXT("{");
    AppendPair(json, UI_TEXT("map_lat"), FormatAscii("%f", latitude), false);
    AppendPair(json, UI_TEXT("map_lng"), FormatAscii("%f", longitude), false);
    AppendPair(json, UI_TEXT("map_status"), status, false);
    AppendPair(json, UI_TEXT("val_command"), UI_TEXT("update"), false);
    AppendPair(json, UI_TEXT("val_end"), UiString(), true);
    json += UI_TEXT("}");
    return json;
}
