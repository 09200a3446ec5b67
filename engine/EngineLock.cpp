#include "EngineLock.h"

std::atomic<uint32_t> PlayerEngineWaiters{0};

bool EngineLock::Create(const wchar_t* name) {
    mutex_ = CreateNamedMutex(name);
    name_ = mutex_ ? name : nullptr;
    return mutex_ != nullptr;
}

void EngineLock::Close() {
    if (!mutex_) return;
    { EngineLockGuard last(*this); }
    mutex_.reset();
    name_ = nullptr;
}

EngineLockGuard::EngineLockGuard(EngineLock& lock) : mutex_(lock.mutex_.get()) {
    if (!mutex_) return;
    ++PlayerEngineWaiters;
    mutex_->Lock();
}

EngineLockGuard::~EngineLockGuard() {
    if (!mutex_) return;
    mutex_->Unlock();
    --PlayerEngineWaiters;
}

void WaitForRelease(EngineLock& lock) { EngineLockGuard passing(lock); }
