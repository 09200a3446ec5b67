#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "PlayerEngine.h"
#include "framework/ComPtr.h"

// A video window that counts the messages the engine and its player post
// to it, and hands the DirectShow graph's events to a callback.
class PlaybackWindow {
public:
    PlaybackWindow(int width, int height);
    ~PlaybackWindow();
    PlaybackWindow(const PlaybackWindow&) = delete;
    PlaybackWindow& operator=(const PlaybackWindow&) = delete;

    HWND Handle() const { return window_; }
    int Count(UINT message) const;
    std::function<void()> onGraphEvent;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND window_ = nullptr;
    std::map<UINT, int> counts_;
};

// The engine set up on a video window of its own, driven through its entry
// table as the main window drives it. Every test ends with a bounded close:
// a hung session fails its test, not the run.
class PlaybackTest : public ::testing::Test {
protected:
    static constexpr DWORD kReadyWaitMs = 10000;
    // A close or command slower than this hangs; how long they take on a
    // quiet machine is measured by the benchmark.
    static constexpr DWORD kHangMs = 30000;

    void SetUp() override;
    void TearDown() override;

    // Opens a standard recording and waits for exactly one ready message.
    void OpenReady(const std::string& recording);
    bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs);
    // Waits this long while handling messages.
    void PumpFor(DWORD milliseconds);
    int32_t Frame() { return table_.GetCurrentFrame(&engine_); }
    // The frame reached once the position stops moving, after a seek.
    int32_t SettledFrame();
    // The still picture the main window asks for once a movie is ready.
    void PlaceLikeTheMainWindow();
    // Closes the movie; the milliseconds it took.
    DWORD CloseTimed();

    int windowWidth_ = 640;
    int windowHeight_ = 360;
    fw::ComApartment apartment_{fw::ComApartment::Kind::Ole};
    std::unique_ptr<PlaybackWindow> window_;
    PlayerEngine engine_;
    PlayerEngineTable table_{};
    std::vector<std::wstring> reports_;
};
