#pragma once

#include <windows.h>

#include <ole2.h>
#include <dshow.h>
#include <d3d9.h>
#include <vmr9.h>

#include <memory>

#include "OverlaySurface.h"
#include "PlaybackBackend.h"
#include "framework/ComPtr.h"

// The back-end where Media Foundation is missing: a DirectShow filter graph
// rendering into the video window through the VMR-9 renderer in windowless
// mode, else the VMR-7 one, else the graph's own video window. Failures
// while it is set up are shown through CheckHResult.
class DirectShowBackend final : public PlaybackBackend {
public:
    // Null when the graph cannot be built; the failure has been reported.
    static std::unique_ptr<DirectShowBackend> Create(HWND videoWindow);
    ~DirectShowBackend() override;

    IGraphBuilder* Graph() const { return graph_.Get(); }

    bool OpenMedia(const std::wstring& path) override;
    bool AttachVideoWindow() override;
    bool ReadReversePlayable(uint32_t& reversePlayable) override;
    void AnnounceOpened() override;
    void Close() override {}
    bool IsMediaFoundation() const override { return false; }
    bool HasVideoControl() const override { return true; }
    bool HasWindowlessRenderer() const override { return vmr9Windowless_ || vmr7Windowless_; }
    bool ReadDuration(int64_t& duration) override;
    bool ReadPosition(int64_t& position) override;
    bool ReadNativeVideoSize(int32_t& width, int32_t& height) override;
    bool ReadClientRect(ZoomRect& rect) override;
    bool Play() override;
    bool Pause() override;
    bool Stop() override;
    void SeekAndShow(int64_t position) override;
    void SeekWhilePlaying(int64_t) override {}
    void SetAudibleVolume(uint32_t volume) override;
    bool SetRate(float rate, bool thin) override;

    bool SetVideoDestination(const ZoomRect& destination) override;
    void PaintBands(const ZoomRect&, const ZoomRect&) override {}
    void RefreshAfterPlacement(uint32_t playState, bool repaint) override;
    void ShowFirstFrame() override {}
    bool RepaintVideo() override { return false; }
    bool SetLetterBox(bool keep) override;
    bool ReapplyDestination(bool) override { return false; }
    bool ShowOverlayText(const wchar_t* text, HFONT__* font, const OverlaySize& size, int32_t clientWidth,
                         int32_t clientHeight) override;
    bool GrabCurrentImage(CapturedImage& image) override;
    bool TakeGraphEvent(int32_t& code) override;

private:
    explicit DirectShowBackend(HWND videoWindow) : window_(videoWindow) {}
    bool AddRenderer();
    bool AddVmr9();
    bool AddVmr7();
    bool QueryGraphControls();
    bool AttachVmrAspect();
    bool AttachPlainVideoWindow();
    IBaseFilter* VideoRenderer() const;

    const HWND window_;
    fw::ComPtr<IGraphBuilder> graph_;
    fw::ComPtr<IMediaControl> mediaControl_;
    fw::ComPtr<ICaptureGraphBuilder2> captureBuilder_;
    fw::ComPtr<IBaseFilter> source_;
    fw::ComPtr<IVideoWindow> videoWindow_;
    fw::ComPtr<IBasicAudio> basicAudio_;
    fw::ComPtr<IMediaEvent> mediaEvent_;
    fw::ComPtr<IMediaEventEx> mediaEventEx_;
    fw::ComPtr<IMediaPosition> mediaPosition_;
    fw::ComPtr<IMediaSeeking> mediaSeeking_;
    fw::ComPtr<IBasicVideo2> basicVideo_;
    fw::ComPtr<IBaseFilter> vmr7_;
    fw::ComPtr<IVMRFilterConfig> vmr7Config_;
    fw::ComPtr<IVMRWindowlessControl> vmr7Windowless_;
    fw::ComPtr<IBaseFilter> vmr9_;
    fw::ComPtr<IVMRFilterConfig9> vmr9Config_;
    fw::ComPtr<IVMRMixerControl9> vmr9Mixer_;
    fw::ComPtr<IVMRWindowlessControl9> vmr9Windowless_;
    OverlaySurface overlay_;
};
