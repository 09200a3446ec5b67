// The presenter's playback benchmark, for a run under Wine: plays a movie
// once at normal speed through a media session, the platform's video
// renderer and the program's presenter into a window of the movie's size,
// and prints how many of the frames due were presented and how many of them
// late (more than a quarter frame after their time).
//
//   presenter_playback_timing MOVIE WIDTH HEIGHT FRAMES_DUE

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "support/HostWindow.h"
#include "support/PresenterTestSession.h"

namespace {

// How long the end may take: the movie's length at no less than 20 frames a
// second, and a margin.
constexpr DWORD kLongestFrameMs = 50;
constexpr DWORD kEndAllowanceMs = 30000;
constexpr double kTargetShare = 0.98;

double Seconds() {
    LARGE_INTEGER now{}, frequency{};
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: presenter_playback_timing MOVIE WIDTH HEIGHT FRAMES_DUE\n");
        return 2;
    }
    const int width = _wtoi(argv[2]);
    const int height = _wtoi(argv[3]);
    const long due = _wtol(argv[4]);
    MediaFoundationScope mediaFoundation;
    testing_support::HostWindow window({0, 0, width, height});
    PresenterTestSession session;
    RECT destination{0, 0, width, height};
    HRESULT result = session.Open(argv[1], window.Handle());
    const auto display = SUCCEEDED(result) ? session.DisplayControl() : fw::ComPtr<IMFVideoDisplayControl>();
    if (display) display->SetVideoPosition(nullptr, &destination);
    const double start = Seconds();
    if (SUCCEEDED(result)) result = session.Start();
    if (SUCCEEDED(result)) result = session.WaitForEnd(static_cast<DWORD>(due) * kLongestFrameMs + kEndAllowanceMs);
    const double elapsed = Seconds() - start;
    if (FAILED(result) || session.Presenter() == nullptr) {
        std::fprintf(stderr, "playback failed: 0x%08lx\n", static_cast<unsigned long>(result));
        return 1;
    }
    const PresentationCounts counts = session.Presenter()->Counts();
    const double share = static_cast<double>(counts.presented) / static_cast<double>(due);
    std::printf("presented %ld of %ld frames due (%.1f %%, target %.0f %%), %ld late, in %.1f s\n", counts.presented,
                due, share * 100.0, kTargetShare * 100.0, counts.late, elapsed);
    return share >= kTargetShare ? 0 : 1;
}
