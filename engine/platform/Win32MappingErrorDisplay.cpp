#include <windows.h>

#include "MappingErrorReporter.h"

void ShowMappingErrorToUser(uint32_t systemError) {
    wchar_t text[512] = L"";
    FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, systemError,
                   MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), text, ARRAYSIZE(text), nullptr);
    MessageBoxW(nullptr, text, L"Error Message", MB_OK | MB_ICONERROR);
}
