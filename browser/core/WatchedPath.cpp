#include "browser/core/WatchedPath.h"

void WatchedPath::Set(UiStringView path) {
    std::lock_guard<std::mutex> hold(lock_);
    path_ = UiString(path);
}

UiString WatchedPath::Get() const {
    std::lock_guard<std::mutex> hold(lock_);
    return path_;
}

std::optional<UiString> WatchedPath::TakeIfLost(const std::function<bool(const UiString&)>& exists) {
    const UiString path = Get();
    // The test may be slow (a pulled card): never under the lock.
    if (path.empty() || exists(path)) {
        return std::nullopt;
    }
    std::lock_guard<std::mutex> hold(lock_);
    if (path_ != path) {
        return std::nullopt;
    }
    path_.clear();
    return path;
}
