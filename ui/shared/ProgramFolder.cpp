#include "ui/shared/ProgramFolder.h"

#include <windows.h>

#include <vector>

namespace {

std::wstring g_programFolder;

}  // namespace

std::wstring GetProgramFolder() {
    return g_programFolder;
}

void RecordProgramFolder() {
    // Asked for its length first, so a deep directory is not cut.
    const DWORD needed = GetCurrentDirectoryW(0, nullptr);
    std::vector<wchar_t> buffer(needed + 1, L'\0');
    const DWORD length = GetCurrentDirectoryW(static_cast<DWORD>(buffer.size()), buffer.data());
    g_programFolder = (length > 0 && length < buffer.size()) ? std::wstring(buffer.data(), length) : std::wstring();
}
