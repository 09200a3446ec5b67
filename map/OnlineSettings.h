#pragma once

#include <windows.h>

#include <functional>
#include <string>

// Where the map and the connectivity monitor go online, and how. The
// program uses the defaults; tests point the addresses at servers of their
// own on 127.0.0.1 and replace what the machine would answer.
struct OnlineSettings {
    // The map provider's host; the map library loads from it.
    std::wstring mapHost = L"maps.googleapis.com";
    // What the monitor checks once a second: the provider's root page.
    std::wstring probeUrl = L"https://maps.googleapis.com/";
    DWORD probeIntervalMs = 1000;
    // Connect, send and receive limit of every request, so a server that
    // never answers cannot hold a probe, or the monitor's shutdown, for long.
    DWORD requestTimeoutMs = 5000;

    // InternetGetConnectedState unless replaced (it never reports a proxy
    // under Wine, so tests replace it to reach the proxy paths).
    std::function<BOOL(DWORD* flags)> connectedState;

    // Where the user's proxy setting is read: the "ProxyServer" text value.
    HKEY proxyRoot = HKEY_CURRENT_USER;
    std::wstring proxyKeyPath = L"Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";

    // Replaces the whole WinINet probe (windows tested without a network).
    std::function<bool()> probe;
};
