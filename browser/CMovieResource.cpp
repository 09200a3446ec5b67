#include "browser/CMovieResource.h"

#include "browser/BrowserMessages.h"

namespace {

constexpr DWORD kWatchIntervalMs = 100;

}  // namespace

CMovieResource::CMovieResource(const BrowserFileSystem& fs) : fs_(fs) {
    thread_ = std::make_unique<fw::WorkerThread>([this] { return WatchThreadProc(); });
    thread_->Resume();
}

CMovieResource::~CMovieResource() {
    stop_.store(1);
    thread_->Wait(INFINITE);
    thread_.reset();
}

std::wstring CMovieResource::LastLostPath() const {
    std::lock_guard<std::mutex> hold(lostLock_);
    return lastLost_;
}

unsigned CMovieResource::WatchThreadProc() {
    while (stop_.load() == 0) {
        const HWND owner = owner_.load();
        if (owner != nullptr) {
            const auto lost = watchedPath_.TakeIfLost([this](const UiString& path) { return fs_.PathExists(path); });
            if (lost) {
                {
                    std::lock_guard<std::mutex> hold(lostLock_);
                    lastLost_ = *lost;
                }
                PostMessageW(owner, WM_APP_SOURCE_LOST, 0, 0);
            }
        }
        Sleep(kWatchIntervalMs);
    }
    return 0;
}
