#pragma once

#include <functional>
#include <mutex>
#include <optional>

#include "ui/core/UiChar.h"

// The source path the watcher reports when it disappears. The UI thread
// replaces it at each source opening while the watcher reads and empties it,
// so every access goes through one lock.
class WatchedPath {
public:
    void Set(UiStringView path);
    UiString Get() const;

    // One watcher step: when the path is set and exists() says it is gone,
    // empties it and gives the lost path, so each disappearance is reported
    // once. A path replaced while it was being tested is not emptied.
    std::optional<UiString> TakeIfLost(const std::function<bool(const UiString&)>& exists);

private:
    mutable std::mutex lock_;
    UiString path_;
};
