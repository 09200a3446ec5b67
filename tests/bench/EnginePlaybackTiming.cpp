// The playback benchmark through the engine's entry table, for a run under
// Wine: opens a movie as the main window does (open, wait for ready, place
// the picture, play), then prints the time from the opening to the first
// frame the presenter shows, and how many of the frames due it presented
// (and how many late) while the movie played once at normal speed.
//
//   engine_playback_timing MOVIE WIDTH HEIGHT FRAMES_DUE

#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "BenchClock.h"
#include "EVRCustomPresenter.h"
#include "PlayerEngine.h"
#include "PlayerMessages.h"
#include "framework/ComPtr.h"
#include "player/MediaFoundationBackend.h"
#include "player/PresenterLink.h"

namespace {

constexpr DWORD kReadyWaitMs = 10000;
constexpr DWORD kLongestFrameMs = 50;
constexpr DWORD kEndAllowanceMs = 30000;
bool g_ready = false;
bool g_ended = false;

LRESULT CALLBACK VideoProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PLAYER_READY) g_ready = true;
    if (message == WM_PLAYER_ENDED) g_ended = true;
    return DefWindowProcW(window, message, wParam, lParam);
}

// Handles messages until done() holds or the time is up.
template <class Done>
bool PumpUntil(Done done, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (!done()) {
        if (GetTickCount64() >= deadline) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    }
    return true;
}

PresentationCounts CountsOf(PlayerEngine& engine) {
    auto* backend = dynamic_cast<MediaFoundationBackend*>(engine.EnginePlaybackBackend.get());
    EVRCustomPresenter* presenter =
        backend ? ActivePresenter(backend->Player()->PresenterActivation().Get()) : nullptr;
    return presenter ? presenter->Counts() : PresentationCounts{};
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: engine_playback_timing MOVIE WIDTH HEIGHT FRAMES_DUE\n");
        return 2;
    }
    const int width = _wtoi(argv[2]);
    const int height = _wtoi(argv[3]);
    const long due = _wtol(argv[4]);
    fw::ComApartment apartment(fw::ComApartment::Kind::Ole);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = VideoProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"OstrilexTimingVideo";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"", WS_POPUP | WS_VISIBLE, 0, 0, width, height,
                                  nullptr, nullptr, windowClass.hInstance, nullptr);

    PlayerEngineTable table{};
    FillPlayerEngineTable(table);
    PlayerEngine& engine = ThePlayerEngine();
    if (table.Init(&engine, window, L"メイリオ") != 1) return 1;
    engine.PlayerEngineReady = 1;

    const double opened = Milliseconds();
    double firstFrame = -1.0;
    const auto watchFirstFrame = [&] {
        if (firstFrame < 0.0 && CountsOf(engine).presented > 0) firstFrame = Milliseconds() - opened;
    };
    bool played = table.OpenMovie(&engine, argv[1]) == 1 && PumpUntil([] { return g_ready; }, kReadyWaitMs);
    if (played) {
        table.SetVideoZoom(&engine, width / 2, height / 2, 0, 0, 1.0f, 1);
        table.Play(&engine);
        played = PumpUntil(
            [&] {
                watchFirstFrame();
                return g_ended;
            },
            static_cast<DWORD>(due) * kLongestFrameMs + kEndAllowanceMs);
    }
    const PresentationCounts counts = CountsOf(engine);
    const double elapsed = (Milliseconds() - opened) / 1000.0;
    table.CloseMovie(&engine);
    engine.PlayerEngineReady = 0;
    table.Uninit(&engine);
    DestroyWindow(window);
    if (!played) {
        std::fprintf(stderr, "playback through the engine failed\n");
        return 1;
    }
    std::printf("open to first presented frame %.0f ms; presented %ld of %ld frames due (%.1f %%), %ld late, in %.1f s\n",
                firstFrame, counts.presented, due, 100.0 * counts.presented / due, counts.late, elapsed);
    return 0;
}
