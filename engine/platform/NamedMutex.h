#pragma once

#include <functional>
#include <memory>

#include "ReplaceableHook.h"

// A mutex known by name: every handle created under one name locks the same
// mutex (on Windows across the processes of a session too). It is recursive
// for the thread that holds it. The handle closes with the object.
class NamedMutex {
public:
    virtual ~NamedMutex() = default;
    virtual void Lock() = 0;
    virtual void Unlock() = 0;
};

// Holds a mutex for a scope; a null mutex is not locked at all.
class NamedMutexGuard {
public:
    explicit NamedMutexGuard(NamedMutex* mutex) : mutex_(mutex) {
        if (mutex_) mutex_->Lock();
    }
    ~NamedMutexGuard() {
        if (mutex_) mutex_->Unlock();
    }
    NamedMutexGuard(const NamedMutexGuard&) = delete;
    NamedMutexGuard& operator=(const NamedMutexGuard&) = delete;

private:
    NamedMutex* mutex_;
};

// Null when the system cannot create the mutex.
std::unique_ptr<NamedMutex> CreateNamedMutex(const wchar_t* name);

// Tests replace the creation to make it fail; the product never does.
using NamedMutexFactory = std::function<std::unique_ptr<NamedMutex>(const wchar_t* name)>;

ReplaceableHook<NamedMutexFactory>& NamedMutexFactoryHook();

class ScopedNamedMutexFactory : public ScopedHookReplacement<NamedMutexFactory> {
public:
    explicit ScopedNamedMutexFactory(NamedMutexFactory factory)
        : ScopedHookReplacement(NamedMutexFactoryHook(), std::move(factory)) {}
};

// The platform's own creation, for factories that wrap it.
std::unique_ptr<NamedMutex> CreateSystemNamedMutex(const wchar_t* name);
