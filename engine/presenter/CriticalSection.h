#pragma once

#include <windows.h>

#include <atomic>

// One lock of the presenter's classes. The presenter's lock is taken
// first; the pool's, the present engine's or the scheduler's after it,
// never the other way. It is recursive, as the presenter's re-entrant
// paths (an output loop that renegotiates, a flush inside a release)
// need.
class CriticalSection {
public:
    CriticalSection() : initialised_(InitializeCriticalSectionEx(&section_, 0, 0) != FALSE) {}
    ~CriticalSection() {
        if (initialised_) DeleteCriticalSection(&section_);
    }
    CriticalSection(const CriticalSection&) = delete;
    CriticalSection& operator=(const CriticalSection&) = delete;

    void Lock() {
        EnterCriticalSection(&section_);
        if (depth_++ == 0) owner_ = GetCurrentThreadId();
    }
    void Unlock() {
        if (--depth_ == 0) owner_ = 0;
        LeaveCriticalSection(&section_);
    }
    // Leaves every level the calling thread holds (none when another
    // thread owns it); the count is for Retake.
    int LeaveAll() {
        if (owner_ != GetCurrentThreadId()) return 0;
        const int levels = depth_;
        for (int i = 0; i < levels; ++i) Unlock();
        return levels;
    }
    void Retake(int levels) {
        for (int i = 0; i < levels; ++i) Lock();
    }

private:
    CRITICAL_SECTION section_;
    bool initialised_;
    int depth_ = 0;  // written by the owner only
    std::atomic<DWORD> owner_{0};
};

// Holds a CriticalSection for a scope.
class CriticalSectionLock {
public:
    explicit CriticalSectionLock(CriticalSection& section) : section_(section) { section_.Lock(); }
    ~CriticalSectionLock() { section_.Unlock(); }
    CriticalSectionLock(const CriticalSectionLock&) = delete;
    CriticalSectionLock& operator=(const CriticalSectionLock&) = delete;

private:
    CriticalSection& section_;
};

// Lets a CriticalSection go for a scope, at every level the thread holds,
// and takes it back after: for calls into objects that take locks of their
// own, which their other callers hold while they call in here.
class CriticalSectionRelease {
public:
    explicit CriticalSectionRelease(CriticalSection& section) : section_(section), levels_(section.LeaveAll()) {}
    ~CriticalSectionRelease() { section_.Retake(levels_); }
    CriticalSectionRelease(const CriticalSectionRelease&) = delete;
    CriticalSectionRelease& operator=(const CriticalSectionRelease&) = delete;

private:
    CriticalSection& section_;
    int levels_;
};
