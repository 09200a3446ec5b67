#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "PlaybackMath.h"
#include "platform/ReplaceableHook.h"

struct HWND__;
struct HFONT__;

// A picture of the current frame: 32-bit pixels, rows bottom-up, no padding.
struct CapturedImage {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint8_t> pixels;
};

// What plays an opened movie into the video window: the Media Foundation
// player, or a DirectShow graph where Media Foundation is missing. The
// engine's entries keep the play state and the arithmetic and ask the
// back-end only for what differs between the two. Released by destruction.
class PlaybackBackend {
public:
    virtual ~PlaybackBackend() = default;

    // Opening, in this order; each false ends the opening.
    virtual bool OpenMedia(const std::wstring& path) = 0;
    virtual bool AttachVideoWindow() = 0;
    virtual bool ReadReversePlayable(uint32_t& reversePlayable) = 0;
    // Tells the video window the movie is ready, where nothing else will.
    virtual void AnnounceOpened() = 0;
    // Stops what plays and lets go of the media, before the release.
    virtual void Close() = 0;

    virtual bool IsMediaFoundation() const = 0;
    // False while the player's topology is not ready: nothing can be shown.
    virtual bool HasVideoControl() const = 0;
    // A windowless renderer keeps the aspect ratio itself.
    virtual bool HasWindowlessRenderer() const = 0;

    // The movie's length and the play position, in 100-ns units. Length:
    // false when nothing can tell it. Position: false when it cannot be read.
    virtual bool ReadDuration(int64_t& duration) = 0;
    virtual bool ReadPosition(int64_t& position) = 0;
    virtual bool ReadNativeVideoSize(int32_t& width, int32_t& height) = 0;
    virtual bool ReadClientRect(ZoomRect& rect) = 0;

    // Play, pause and stop: false when there is nothing to control.
    virtual bool Play() = 0;
    virtual bool Pause() = 0;
    virtual bool Stop() = 0;
    // Moves to the position and shows its frame, paused.
    virtual void SeekAndShow(int64_t position) = 0;
    virtual void SeekWhilePlaying(int64_t position) = 0;
    virtual void SetAudibleVolume(uint32_t volume) = 0;
    virtual bool SetRate(float rate, bool thin) = 0;

    // Placement: where the picture goes in the window.
    virtual bool SetVideoDestination(const ZoomRect& destination) = 0;
    virtual void PaintBands(const ZoomRect& client, const ZoomRect& destination) = 0;
    // After a placement, so the still picture shows in its new place.
    virtual void RefreshAfterPlacement(uint32_t playState, bool repaint) = 0;
    // A stopped movie shows its first frame, silently.
    virtual void ShowFirstFrame() = 0;
    virtual bool RepaintVideo() = 0;
    virtual bool SetLetterBox(bool keep) = 0;
    // Sets the current destination again, mirrored or not.
    virtual bool ReapplyDestination(bool mirrored) = 0;

    // The text overlay in the bottom-right corner, at the given size.
    virtual bool ShowOverlayText(const wchar_t* text, HFONT__* font, const OverlaySize& size, int32_t clientWidth,
                                 int32_t clientHeight) = 0;
    virtual bool GrabCurrentImage(CapturedImage& image) = 0;
    // The next queued DirectShow graph event; false when none is queued.
    virtual bool TakeGraphEvent(int32_t& code) = 0;
};

// Makes the back-end for an opening: the platform's, unless a test replaced
// the factory. Null when none can be made.
using PlaybackBackendFactory = std::function<std::unique_ptr<PlaybackBackend>(HWND__* videoWindow)>;

std::unique_ptr<PlaybackBackend> CreatePlaybackBackend(HWND__* videoWindow);
std::unique_ptr<PlaybackBackend> CreatePlatformPlaybackBackend(HWND__* videoWindow);

ReplaceableHook<PlaybackBackendFactory>& PlaybackBackendFactoryHook();

class ScopedPlaybackBackendFactory : public ScopedHookReplacement<PlaybackBackendFactory> {
public:
    explicit ScopedPlaybackBackendFactory(PlaybackBackendFactory factory)
        : ScopedHookReplacement(PlaybackBackendFactoryHook(), std::move(factory)) {}
};

// The frame rate of the movie's video stream by the platform's media
// detector, for a movie whose sample table does not tell it. False when
// there is none.
bool DetectFrameRateByMediaDetector(const std::wstring& path, double& rate);

// Saves the picture as a JPEG file; on failure no file is left.
bool WriteSnapshotJpeg(const CapturedImage& image, const std::wstring& path);
