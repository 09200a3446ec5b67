#include "map/ProxyRegistry.h"

#include <vector>

#include "map/RegistryKey.h"

std::optional<std::wstring> ReadRegistryText(HKEY root, const wchar_t* path, const wchar_t* name) {
    RegistryKey key;
    if (!key.OpenForReading(root, path)) {
        return std::nullopt;
    }
    DWORD type = 0;
    DWORD bytes = 0;
    if (RegQueryValueExW(key.Get(), name, nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS || type != REG_SZ) {
        return std::nullopt;
    }
    // One unit more than the value holds, zeroed: the text is terminated
    // whatever was stored, an odd byte count included.
    std::vector<wchar_t> text((bytes + sizeof(wchar_t) - 1) / sizeof(wchar_t) + 1, L'\0');
    DWORD capacity = static_cast<DWORD>((text.size() - 1) * sizeof(wchar_t));
    if (RegQueryValueExW(key.Get(), name, nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &capacity) !=
            ERROR_SUCCESS ||
        type != REG_SZ) {
        return std::nullopt;
    }
    return std::wstring(text.data());
}
