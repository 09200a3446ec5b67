#pragma once

#include <windows.h>

#include <functional>
#include <string>

// Where the map and the connectivity monitor go online, and how. The
// program uses the defaults; tests point the addresses at servers of their
// own on 127.0.0.1 and replace what the machine would answer.
// The maker's web server, which publishes the version files.
inline constexpr wchar_t kUpdateServer[] = L"http://www.ostrilex.example";

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

    // The update check: the version files of the recorder's firmware and of
    // this viewer, and the two download pages the user is pointed to.
    std::wstring firmwareVersionUrl = kUpdateServer + std::wstring(L"/taiou/dr_updata/mlv-614k_615qk/mlv-614k_615qk_sw_version.txt");
    std::wstring viewerVersionUrl = kUpdateServer + std::wstring(L"/0_recorder/viewer/mlv-614k_615qk/mlv-614k_615qk_view_version.txt");
    std::wstring firmwarePage = kUpdateServer + std::wstring(L"/taiou/dr_updata/mlv-614k_615qk/mlv-614k_615qk.html");
    std::wstring viewerPage = kUpdateServer + std::wstring(L"/0_recorder/viewer/mlv-614k_615qk/viewer.html");
    // A version file is fetched through a session of the monitor's, whose
    // limits (above) fit a probe. The connection and the request keep
    // those; the answer and each read of it may take this long, so a slow
    // server still delivers. Shutdown waits for the fetch under way, so
    // this also bounds how long a hanging server can hold the program's end.
    DWORD versionReceiveTimeoutMs = 15000;
};
