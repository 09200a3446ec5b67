#include <windows.h>

#include "NamedMutex.h"

namespace {

class Win32NamedMutex final : public NamedMutex {
public:
    explicit Win32NamedMutex(HANDLE handle) : handle_(handle) {}
    ~Win32NamedMutex() override { CloseHandle(handle_); }
    Win32NamedMutex(const Win32NamedMutex&) = delete;
    Win32NamedMutex& operator=(const Win32NamedMutex&) = delete;

    // An abandoned mutex is owned by the caller all the same.
    void Lock() override { WaitForSingleObject(handle_, INFINITE); }
    void Unlock() override { ReleaseMutex(handle_); }

private:
    HANDLE handle_;
};

}  // namespace

std::unique_ptr<NamedMutex> CreateSystemNamedMutex(const wchar_t* name) {
    HANDLE handle = CreateMutexW(nullptr, FALSE, name);
    if (handle == nullptr) return nullptr;
    return std::make_unique<Win32NamedMutex>(handle);
}
