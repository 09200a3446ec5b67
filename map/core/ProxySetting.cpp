#include "map/core/ProxySetting.h"

#include "map/core/AsciiFormat.h"

namespace {

uint16_t PortOf(UiStringView text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    uint32_t port = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        port = (port * 10 + static_cast<uint32_t>(text[i] - '0')) & 0xFFFFu;
    }
    return static_cast<uint16_t>(port);
}

}  // namespace

ProxyAddress ParseProxyServer(const std::optional<UiString>& setting) {
    ProxyAddress proxy;
    if (!setting) {
        return proxy;
    }
    const UiStringView text(*setting);
    const size_t colon = text.find(UI_TEXT(':'));
    if (colon == UiStringView::npos) {
        return proxy;
    }
    proxy.host = UiString(text.substr(0, colon < kProxyHostLimit ? colon : kProxyHostLimit));
    proxy.port = PortOf(text.substr(colon + 1));
    return proxy;
}

UiString ProxyText(const ProxyAddress& proxy) { return proxy.host + FormatAscii(":%d", static_cast<int>(proxy.port)); }
