#include "app/AnsiTextFile.h"

#include <vector>

bool AnsiTextFile::Create(const std::wstring& path) {
    file_.Reset(CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    return file_.Valid();
}

bool AnsiTextFile::Write(const std::wstring& text) {
    if (!file_.Valid()) {
        return false;
    }
    if (text.empty()) {
        return true;
    }
    const int units = static_cast<int>(text.size());
    const int bytes = WideCharToMultiByte(CP_ACP, 0, text.data(), units, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0) {
        return false;
    }
    std::vector<char> converted(static_cast<size_t>(bytes));
    if (WideCharToMultiByte(CP_ACP, 0, text.data(), units, converted.data(), bytes, nullptr, nullptr) != bytes) {
        return false;
    }
    DWORD written = 0;
    return WriteFile(file_.Get(), converted.data(), static_cast<DWORD>(bytes), &written, nullptr) &&
           written == static_cast<DWORD>(bytes);
}
