#pragma once

#include <windows.h>

#include <utility>

// Owns one open registry key and closes it.
class RegistryKey {
public:
    RegistryKey() = default;
    ~RegistryKey() {
        if (key_ != nullptr) {
            RegCloseKey(key_);
        }
    }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    // Opens root\path for reading; false when it cannot be opened.
    bool OpenForReading(HKEY root, const wchar_t* path) {
        return RegOpenKeyExW(root, path, 0, KEY_READ, &key_) == ERROR_SUCCESS;
    }
    HKEY Get() const { return key_; }

private:
    HKEY key_ = nullptr;
};
