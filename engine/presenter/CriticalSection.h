#pragma once

#include <windows.h>

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

    void Lock() { EnterCriticalSection(&section_); }
    void Unlock() { LeaveCriticalSection(&section_); }

private:
    CRITICAL_SECTION section_;
    bool initialised_;
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
