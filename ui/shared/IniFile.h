#pragma once

#include <string>

// The settings file "Default_Folder.ini" in the program folder. Stateless
// after start-up, so workers may call these too.
std::wstring IniFilePath();

// Writes one value; on success the file is left with the hidden attribute
// alone (also clearing read-only and archive). FALSE when it was not written.
bool WriteIniString(const std::wstring& section, const std::wstring& key, const std::wstring& value);

// The stored value, or an empty text for a missing file, section or key.
// Values longer than 259 characters come back cut.
std::wstring ReadIniString(const std::wstring& section, const std::wstring& key);
