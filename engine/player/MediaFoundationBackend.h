#pragma once

#include <memory>

#include "CPlayer.h"
#include "OverlaySurface.h"
#include "PlaybackBackend.h"

// Media Foundation, started for as long as a back-end uses it; shut down
// only when its start succeeded.
class MediaFoundationStartup {
public:
    MediaFoundationStartup();
    ~MediaFoundationStartup();
    MediaFoundationStartup(const MediaFoundationStartup&) = delete;
    MediaFoundationStartup& operator=(const MediaFoundationStartup&) = delete;
    bool Started() const { return started_; }

private:
    bool started_ = false;
};

// The back-end that plays through the Media Foundation player.
class MediaFoundationBackend final : public PlaybackBackend {
public:
    // Null when Media Foundation cannot start or the player cannot be made.
    static std::unique_ptr<MediaFoundationBackend> Create(HWND videoWindow);
    ~MediaFoundationBackend() override;

    CPlayer* Player() const { return player_.Get(); }
    HDC OverlayDc() const { return overlay_.Dc(); }

    bool OpenMedia(const std::wstring& path) override;
    bool AttachVideoWindow() override;
    bool ReadReversePlayable(uint32_t& reversePlayable) override;
    void AnnounceOpened() override {}
    void Close() override;
    bool IsMediaFoundation() const override { return true; }
    bool HasVideoControl() const override;
    bool HasWindowlessRenderer() const override { return false; }
    bool ReadDuration(int64_t& duration) override;
    bool ReadPosition(int64_t& position) override;
    bool ReadNativeVideoSize(int32_t& width, int32_t& height) override;
    bool ReadClientRect(ZoomRect& rect) override;
    bool Play() override;
    bool Pause() override;
    bool Stop() override;
    void SeekAndShow(int64_t position) override;
    void SeekWhilePlaying(int64_t position) override;
    void SetAudibleVolume(uint32_t volume) override;
    bool SetRate(float rate, bool thin) override;

    bool SetVideoDestination(const ZoomRect& destination) override;
    void PaintBands(const ZoomRect& client, const ZoomRect& destination) override;
    void RefreshAfterPlacement(uint32_t, bool) override {}
    void ShowFirstFrame() override;
    bool RepaintVideo() override;
    bool SetLetterBox(bool) override { return false; }
    bool ReapplyDestination(bool mirrored) override;
    bool ShowOverlayText(const wchar_t* text, HFONT__* font, const OverlaySize& size, int32_t clientWidth,
                         int32_t clientHeight) override;
    bool GrabCurrentImage(CapturedImage& image) override;
    bool TakeGraphEvent(int32_t&) override { return false; }

private:
    explicit MediaFoundationBackend(HWND videoWindow);

    MediaFoundationStartup startup_;  // first made, last gone
    const HWND window_;
    fw::ComPtr<CPlayer> player_;
    OverlaySurface overlay_;
};
