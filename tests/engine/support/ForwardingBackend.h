#pragma once

#include <memory>

#include "PlayerEngine.h"

// A back-end that hands every call to another one; a test overrides the
// calls it wants answered otherwise.
class ForwardingBackend : public PlaybackBackend {
public:
    explicit ForwardingBackend(std::unique_ptr<PlaybackBackend> inner) : inner_(std::move(inner)) {}

    bool OpenMedia(const std::wstring& path) override { return inner_->OpenMedia(path); }
    bool AttachVideoWindow() override { return inner_->AttachVideoWindow(); }
    bool ReadReversePlayable(uint32_t& reverse) override { return inner_->ReadReversePlayable(reverse); }
    void AnnounceOpened() override { inner_->AnnounceOpened(); }
    void Close() override { inner_->Close(); }
    bool IsMediaFoundation() const override { return inner_->IsMediaFoundation(); }
    bool HasVideoControl() const override { return inner_->HasVideoControl(); }
    bool HasWindowlessRenderer() const override { return inner_->HasWindowlessRenderer(); }
    bool ReadDuration(int64_t& duration) override { return inner_->ReadDuration(duration); }
    bool ReadPosition(int64_t& position) override { return inner_->ReadPosition(position); }
    bool ReadNativeVideoSize(int32_t& w, int32_t& h) override { return inner_->ReadNativeVideoSize(w, h); }
    bool ReadClientRect(ZoomRect& rect) override { return inner_->ReadClientRect(rect); }
    bool Play() override { return inner_->Play(); }
    bool Pause() override { return inner_->Pause(); }
    bool Stop() override { return inner_->Stop(); }
    void SeekAndShow(int64_t position) override { inner_->SeekAndShow(position); }
    void SeekWhilePlaying(int64_t position) override { inner_->SeekWhilePlaying(position); }
    void SetAudibleVolume(uint32_t volume) override { inner_->SetAudibleVolume(volume); }
    bool SetRate(float rate, bool thin) override { return inner_->SetRate(rate, thin); }
    bool SetVideoDestination(const ZoomRect& rect) override { return inner_->SetVideoDestination(rect); }
    void PaintBands(const ZoomRect& client, const ZoomRect& rect) override { inner_->PaintBands(client, rect); }
    void RefreshAfterPlacement(uint32_t state, bool repaint) override { inner_->RefreshAfterPlacement(state, repaint); }
    void ShowFirstFrame() override { inner_->ShowFirstFrame(); }
    bool RepaintVideo() override { return inner_->RepaintVideo(); }
    bool SetLetterBox(bool keep) override { return inner_->SetLetterBox(keep); }
    bool ReapplyDestination(bool mirrored) override { return inner_->ReapplyDestination(mirrored); }
    bool ShowOverlayText(const wchar_t* text, HFONT__* font, const OverlaySize& size, int32_t w, int32_t h) override {
        return inner_->ShowOverlayText(text, font, size, w, h);
    }
    bool GrabCurrentImage(CapturedImage& image) override { return inner_->GrabCurrentImage(image); }
    bool TakeGraphEvent(int32_t& code) override { return inner_->TakeGraphEvent(code); }

    PlaybackBackend& Inner() const { return *inner_; }

private:
    std::unique_ptr<PlaybackBackend> inner_;
};
