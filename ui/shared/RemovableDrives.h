#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Appends the removable drives' roots ("E:\") in the order the system
// lists them, never drive A:. Returns the array's last index after the
// scan, or -1 when no removable drive was seen or the list could not be had.
int GetRemovableDrives(std::vector<std::wstring>& drives);

// The system's drive list as GetLogicalDriveStringsW gives it: with no
// room, the length it needs; otherwise the list and its length.
using DriveStringsSource = std::function<DWORD(DWORD length, wchar_t* buffer)>;

// The drive list (NUL-separated roots, ending in an empty one), or nothing
// when it cannot be had.
std::vector<wchar_t> FetchDriveList(const DriveStringsSource& driveStrings);

// The walk over a drive list (NUL-separated roots, ending in an empty
// one), with the drive-type question given; GetRemovableDrives runs it on
// the system's list.
int CollectRemovableDrives(const wchar_t* rootList, const std::function<UINT(const wchar_t*)>& driveType,
                           std::vector<std::wstring>& drives);
