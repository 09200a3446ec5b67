#pragma once

#include <string>

#include "ui/core/UiChar.h"

// A walk's path (UTF-16, '\' between components) as the host's wide path:
// the same text on Windows; elsewhere each '\' becomes '/' and the UTF-16
// units become wide characters, so the portable walks run on real folders
// natively too.
std::wstring HostWidePath(UiStringView path);

// The same, as UTF-8 for the POSIX calls.
std::string HostNarrowPath(UiStringView path);

// A host name (UTF-8 on POSIX) as UTF-16.
UiString UiFromUtf8(const std::string& text);
