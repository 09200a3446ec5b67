#pragma once

#include <cstdint>
#include <optional>

#include "ui/core/UiChar.h"

// The proxy the user set for the session ("ProxyServer" of the user's
// internet settings), as "host:port".
struct ProxyAddress {
    UiString host;  // empty when the setting names no host
    uint16_t port = 0;
};

// Splits the setting at its first ':'. The host is the text before it (at
// most kProxyHostLimit characters), the port the decimal number after it,
// kept to 16 bits as a port is (70000 gives 4464). A setting without ':',
// or none at all (missing, or not a text), gives an empty host.
ProxyAddress ParseProxyServer(const std::optional<UiString>& setting);

// "%s:%d" of host and port.
UiString ProxyText(const ProxyAddress& proxy);

constexpr size_t kProxyHostLimit = 1023;
