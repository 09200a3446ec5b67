#pragma once

#include <windows.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <string>

#include "browser/core/BrowserFileSystem.h"
#include "browser/core/WatchedPath.h"
#include "framework/WorkerThread.h"

// The file panel's watched source path and the thread that watches it:
// every 100 ms, when the path is set and no longer exists and an owner is set, the path is emptied and WM_APP_SOURCE_LOST is posted to
// the owner, so each disappearance is reported once.
class CMovieResource {
public:
    // Starts the watcher (created suspended, resumed at once).
    explicit CMovieResource(const BrowserFileSystem& fs);
    // Sets the stop flag and waits for the watcher without a time limit.
    virtual ~CMovieResource();
    CMovieResource(const CMovieResource&) = delete;
    CMovieResource& operator=(const CMovieResource&) = delete;

    void SetOwner(HWND owner) { owner_.store(owner); }
    HWND Owner() const { return owner_.load(); }
    void SetWatchedPath(const std::wstring& path) { watchedPath_.Set(path); }
    std::wstring WatchedPathText() const { return watchedPath_.Get(); }
    // The path whose loss was last reported: the main window compares its
    // drive part with the program's own, after the watched path
    // itself has been emptied.
    std::wstring LastLostPath() const;

    const fw::WorkerThread& Thread() const { return *thread_; }

private:
    unsigned WatchThreadProc();

    const BrowserFileSystem& fs_;
    std::atomic<HWND> owner_{nullptr};
    std::atomic<uint32_t> stop_{0};
    WatchedPath watchedPath_;
    mutable std::mutex lostLock_;
    std::wstring lastLost_;
    std::unique_ptr<fw::WorkerThread> thread_;
};
