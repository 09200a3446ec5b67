#pragma once

#include <future>
#include <thread>

#include "EngineLock.h"

// Another thread holding an engine lock from construction until Release
// (or destruction), as a loading clip holds the file lock.
class LockHolder {
public:
    explicit LockHolder(EngineLock& lock)
        : thread_([this, &lock] {
              EngineLockGuard hold(lock);
              held_.set_value();
              release_.get_future().wait();
          }) {
        held_.get_future().wait();
    }
    ~LockHolder() { Release(); }
    LockHolder(const LockHolder&) = delete;
    LockHolder& operator=(const LockHolder&) = delete;

    void Release() {
        if (!thread_.joinable()) return;
        release_.set_value();
        thread_.join();
    }

private:
    std::promise<void> held_;
    std::promise<void> release_;
    std::thread thread_;
};
