#pragma once

#include <windows.h>

#include <optional>
#include <string>

// The text value `name` of root\path, or nothing when the key or value is
// missing, unreadable or not REG_SZ. The text ends at its first zero, and is
// complete even when the stored value has no terminating zero.
std::optional<std::wstring> ReadRegistryText(HKEY root, const wchar_t* path, const wchar_t* name);
