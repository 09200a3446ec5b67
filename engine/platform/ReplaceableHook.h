#pragma once

#include <mutex>
#include <utility>

// A process-wide function the product leaves empty (meaning "use the
// platform's own") and tests replace for a scope, to fake or count what the
// engine asks of the host.
template <typename Function>
class ReplaceableHook {
public:
    Function Current() const {
        std::lock_guard<std::mutex> hold(lock_);
        return function_;
    }
    Function Exchange(Function next) {
        std::lock_guard<std::mutex> hold(lock_);
        std::swap(function_, next);
        return next;
    }

private:
    mutable std::mutex lock_;
    Function function_;
};

// Replaces a hook's function until the end of the scope.
template <typename Function>
class ScopedHookReplacement {
public:
    ScopedHookReplacement(ReplaceableHook<Function>& hook, Function replacement)
        : hook_(hook), previous_(hook.Exchange(std::move(replacement))) {}
    ~ScopedHookReplacement() { hook_.Exchange(std::move(previous_)); }
    ScopedHookReplacement(const ScopedHookReplacement&) = delete;
    ScopedHookReplacement& operator=(const ScopedHookReplacement&) = delete;

private:
    ReplaceableHook<Function>& hook_;
    Function previous_;
};
