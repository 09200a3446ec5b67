#include "app/WebViewRuntime.h"

namespace {

bool KeyOpens(HKEY root, const wchar_t* path, REGSAM view) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path, 0, KEY_QUERY_VALUE | view, &key) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    return true;
}

// A 32-bit program on 64-bit Windows.
bool RunsUnderWow64() {
    using IsWow64ProcessFunction = BOOL(WINAPI*)(HANDLE, PBOOL);
    const HMODULE kernel = GetModuleHandleW(L"kernel32");
    const auto isWow64 =
        kernel ? reinterpret_cast<IsWow64ProcessFunction>(reinterpret_cast<void*>(GetProcAddress(kernel, "IsWow64Process")))
               : nullptr;
    BOOL wow64 = FALSE;
    return isWow64 != nullptr && isWow64(GetCurrentProcess(), &wow64) && wow64;
}

bool MachineHasRuntime() {
    if (RunsUnderWow64()) {
        return KeyOpens(HKEY_LOCAL_MACHINE, kWebViewClientKeyWow64, 0);
    }
    if (KeyOpens(HKEY_LOCAL_MACHINE, kWebViewClientKey, 0)) {
        return true;
    }
#ifdef _WIN64
    return KeyOpens(HKEY_LOCAL_MACHINE, kWebViewClientKey, KEY_WOW64_32KEY);
#else
    return false;
#endif
}

}  // namespace

bool IsWebViewRuntimeInstalled() {
    return KeyOpens(HKEY_CURRENT_USER, kWebViewClientKey, 0) || MachineHasRuntime();
}
