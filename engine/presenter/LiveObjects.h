#pragma once

#include <atomic>

// Counts the live objects of one class: a member of each presenter-side COM
// class, so tests can prove that nothing leaks and no reference cycle
// survives a close.
template <class Owner>
class LiveObjects {
public:
    LiveObjects() { ++count_; }
    LiveObjects(const LiveObjects&) { ++count_; }
    LiveObjects& operator=(const LiveObjects&) = default;
    ~LiveObjects() { --count_; }

    static long Count() { return count_.load(); }

private:
    static inline std::atomic<long> count_{0};
};

// The live objects of every presenter-side COM class together: the
// activation object and the presenter. 0 once a player has closed.
long PresenterObjectsAlive();
