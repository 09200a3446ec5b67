#include "map/core/MapLoaderUrl.h"

#include "map/core/AsciiFormat.h"

#ifndef OSTRILEX_MAP_API_KEY
#error "the build sets OSTRILEX_MAP_API_KEY"
#endif

namespace {

constexpr char kApiKey[] = OSTRILEX_MAP_API_KEY;
constexpr size_t kApiKeyLength = 39;
static_assert(sizeof kApiKey == kApiKeyLength + 1, "the map library's keys are 39 characters");

}  // namespace

UiString MapLoaderUrl(UiStringView host, UiStringView apiKey) {
    UiString url = UI_TEXT("https://");
    url += host;
    url += UI_TEXT("/maps/api/js?key=");
    url += apiKey;
    url += UI_TEXT("&v=3&sensor=false&callback=loadLibs");
    return url;
}

UiString MapApiKey() { return WidenAscii(kApiKey); }

void WipeText(UiString& text) {
    volatile UiChar* p = text.data();
    for (size_t i = 0; i < text.size(); ++i) {
        p[i] = 0;
    }
}
