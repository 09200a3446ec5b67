#pragma once

#include <windows.h>

#include <string>

// Lets the user choose a folder, starting at the one stored under the
// section and key of the settings file (the program folder when none is
// stored). Returns the chosen path, or an empty text when cancelled or when
// the choice has no file-system path (then a message box says so). The
// choice is not stored; the caller writes it back. Any thread may call it.
std::wstring BrowseForFolder(HWND owner, const std::wstring& section, const std::wstring& key,
                             const std::wstring& title);
