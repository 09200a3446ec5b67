#include <windows.h>

#include "SparseFile.h"

bool MakeSparseFile(const std::filesystem::path& path, uint64_t size,
                    const std::vector<std::pair<uint64_t, std::string>>& writes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER end;
    end.QuadPart = static_cast<LONGLONG>(size);
    bool ok = SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && SetEndOfFile(file);
    for (const auto& [offset, bytes] : writes) {
        OVERLAPPED at{};
        at.Offset = static_cast<DWORD>(offset);
        at.OffsetHigh = static_cast<DWORD>(offset >> 32);
        DWORD written = 0;
        ok = ok && WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, &at) &&
             written == bytes.size();
    }
    return CloseHandle(file) && ok;
}
