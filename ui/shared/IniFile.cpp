#include "ui/shared/IniFile.h"

#include <windows.h>

#include "framework/Format.h"
#include "framework/Handles.h"
#include "ui/shared/ProgramFolder.h"

namespace {

constexpr DWORD kValueChars = 260;

// The profile functions write a file in the ANSI code page unless it begins
// with a UTF-16 byte-order mark, and a folder name outside that code page
// would come back as question marks. So a new file starts with the mark;
// an existing file is left as it is.
void StartUnicodeFile(const std::wstring& path) {
    const HANDLE file =
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_HIDDEN, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return;
    }
    const fw::UniqueHandle owned(file);
    const BYTE byteOrderMark[] = {0xFF, 0xFE};
    DWORD written = 0;
    WriteFile(owned.Get(), byteOrderMark, sizeof(byteOrderMark), &written, nullptr);
}

}  // namespace

std::wstring IniFilePath() {
    return fw::Format(L"%s\\Default_Folder.ini", GetProgramFolder().c_str());
}

bool WriteIniString(const std::wstring& section, const std::wstring& key, const std::wstring& value) {
    const std::wstring path = IniFilePath();
    StartUnicodeFile(path);
    if (!WritePrivateProfileStringW(section.c_str(), key.c_str(), value.c_str(), path.c_str())) {
        return false;
    }
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_HIDDEN);
    return true;
}

std::wstring ReadIniString(const std::wstring& section, const std::wstring& key) {
    wchar_t buffer[kValueChars] = L"";
    const DWORD length =
        GetPrivateProfileStringW(section.c_str(), key.c_str(), L"", buffer, kValueChars, IniFilePath().c_str());
    return length != 0 ? std::wstring(buffer, length) : std::wstring();
}
