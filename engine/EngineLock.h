#pragma once

#include <atomic>
#include <cstdint>
#include <memory>

#include "platform/NamedMutex.h"

// How many callers wait for or hold one of the engine's two locks; a
// diagnostic that returns to 0 whenever the engine is idle.
extern std::atomic<uint32_t> PlayerEngineWaiters;

// One of the engine's named locks ("hFileMutex", "hCacheFileMutex"). Every
// acquisition is counted in PlayerEngineWaiters from before the wait until
// after the release. A lock that was never created, or is closed, is skipped.
class EngineLock {
public:
    bool Create(const wchar_t* name);
    // Waits until no other thread holds the lock, then closes its handle.
    void Close();
    bool IsOpen() const { return mutex_ != nullptr; }
    const wchar_t* Name() const { return name_; }

private:
    friend class EngineLockGuard;
    std::unique_ptr<NamedMutex> mutex_;
    const wchar_t* name_ = nullptr;
};

class EngineLockGuard {
public:
    explicit EngineLockGuard(EngineLock& lock);
    ~EngineLockGuard();
    EngineLockGuard(const EngineLockGuard&) = delete;
    EngineLockGuard& operator=(const EngineLockGuard&) = delete;

private:
    NamedMutex* mutex_;
};

// Waits until whoever holds the lock lets go, without keeping it.
void WaitForRelease(EngineLock& lock);
