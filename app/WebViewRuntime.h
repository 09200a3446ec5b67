#pragma once

#include <windows.h>

// The registry key under which the web-view runtime registers itself.
constexpr wchar_t kWebViewClientKey[] = L"SOFTWARE\\Microsoft\\EdgeUpdate\\Clients\\{F3017226-FE2A-4295-8BDF-00C3A9A7E4C5}";
constexpr wchar_t kWebViewClientKeyWow64[] =
    L"SOFTWARE\\WOW6432Node\\Microsoft\\EdgeUpdate\\Clients\\{F3017226-FE2A-4295-8BDF-00C3A9A7E4C5}";

// True when the web-view runtime is registered for the user or for the
// machine. A machine-wide runtime registers in the 32-bit view of the
// registry, so a 64-bit program looks there as well as in its own view.
bool IsWebViewRuntimeInstalled();
