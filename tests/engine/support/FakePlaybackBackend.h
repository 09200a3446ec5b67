#pragma once

#include <memory>
#include <string>
#include <vector>

#include "PlayerEngine.h"

// A back-end for the engine's entries without any media platform: it
// answers from its fields and logs each control call ("Play", "Rate 2 thin",
// "Volume 0", "Seek 333333"). The engine owns it once an opening made it;
// tests keep the raw pointer the factory hands out.
class FakePlaybackBackend : public PlaybackBackend {
public:
    bool mediaFoundation = true;
    bool videoControl = true;
    bool windowless = false;
    bool openSucceeds = true;
    bool hasControl = true;        // play, pause and stop have something to drive
    bool rateAccepted = true;
    int64_t duration = 0;          // 100-ns units; < 0: cannot be told
    std::vector<int64_t> positions;  // read in turn, the last one repeats; empty: the read fails
    int32_t videoWidth = 1280;
    int32_t videoHeight = 720;
    ZoomRect client{0, 0, 640, 360};

    std::vector<int32_t> graphEvents;  // handed out in turn by TakeGraphEvent
    std::vector<std::string> calls;
    int positionReads = 0;
    bool* destroyed = nullptr;   // set when the engine releases the back-end

    ~FakePlaybackBackend() override;

    bool OpenMedia(const std::wstring&) override { return Log("Open", openSucceeds); }
    bool AttachVideoWindow() override { return true; }
    bool ReadReversePlayable(uint32_t& reverse) override;
    void AnnounceOpened() override { Log("Opened"); }
    void Close() override { Log("Close"); }
    bool IsMediaFoundation() const override { return mediaFoundation; }
    bool HasVideoControl() const override { return videoControl; }
    bool HasWindowlessRenderer() const override { return windowless; }
    bool ReadDuration(int64_t& value) override;
    bool ReadPosition(int64_t& value) override;
    bool ReadNativeVideoSize(int32_t& width, int32_t& height) override;
    bool ReadClientRect(ZoomRect& rect) override;
    bool Play() override { return Log("Play", hasControl); }
    bool Pause() override { return Log("Pause", hasControl); }
    bool Stop() override { return Log("Stop", hasControl); }
    void SeekAndShow(int64_t position) override { Log("Seek " + std::to_string(position)); }
    void SeekWhilePlaying(int64_t position) override { Log("SeekPlaying " + std::to_string(position)); }
    void SetAudibleVolume(uint32_t volume) override { Log("Volume " + std::to_string(volume)); }
    bool SetRate(float rate, bool thin) override;
    bool SetVideoDestination(const ZoomRect& rect) override;
    void PaintBands(const ZoomRect&, const ZoomRect&) override { Log("Bands"); }
    void RefreshAfterPlacement(uint32_t, bool) override { Log("Refresh"); }
    void ShowFirstFrame() override { Log("FirstFrame"); }
    bool RepaintVideo() override { return Log("Repaint", true); }
    bool SetLetterBox(bool keep) override { return Log(keep ? "LetterBox" : "NoLetterBox", true); }
    bool ReapplyDestination(bool mirrored) override { return Log(mirrored ? "Mirrored" : "Unmirrored", true); }
    bool ShowOverlayText(const wchar_t*, HFONT__*, const OverlaySize&, int32_t, int32_t) override;
    bool GrabCurrentImage(CapturedImage&) override { return false; }
    bool TakeGraphEvent(int32_t& code) override;

    bool Log(const std::string& call, bool result = true);
};

// Makes every opening of the scope get a FakePlaybackBackend set up by the
// given function; the latest one is kept in Latest().
class ScopedFakeBackends {
public:
    explicit ScopedFakeBackends(std::function<void(FakePlaybackBackend&)> setUp = nullptr);
    FakePlaybackBackend* Latest() const { return latest_; }
    int Made() const { return made_; }

private:
    FakePlaybackBackend* latest_ = nullptr;
    int made_ = 0;
    std::function<void(FakePlaybackBackend&)> setUp_;
    ScopedPlaybackBackendFactory factory_;
};
