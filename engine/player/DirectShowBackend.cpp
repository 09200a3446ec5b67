// Driving the DirectShow graph: position, length, size, play control,
// volume and rate.

#include <algorithm>

#include "CheckHResult.h"
#include "DirectShowBackend.h"

bool DirectShowBackend::ReadDuration(int64_t& duration) {
    if (!mediaSeeking_) return false;
    LONGLONG current = 0;
    LONGLONG stop = 0;
    duration = 0;
    if (SUCCEEDED(mediaSeeking_->GetPositions(&current, &stop))) duration = stop;
    return true;
}

bool DirectShowBackend::ReadPosition(int64_t& position) {
    position = 0;
    if (!mediaSeeking_) return true;
    LONGLONG current = 0;
    LONGLONG stop = 0;
    if (FAILED(mediaSeeking_->GetPositions(&current, &stop))) return false;
    position = current;
    return true;
}

bool DirectShowBackend::ReadNativeVideoSize(int32_t& width, int32_t& height) {
    LONG w = 0;
    LONG h = 0;
    bool known = false;
    if (vmr9Windowless_) {
        known = CheckHResult(vmr9Windowless_->GetNativeVideoSize(&w, &h, nullptr, nullptr)) != 0;
    } else if (vmr7Windowless_) {
        known = CheckHResult(vmr7Windowless_->GetNativeVideoSize(&w, &h, nullptr, nullptr)) != 0;
    } else if (basicVideo_) {
        known = CheckHResult(basicVideo_->GetVideoSize(&w, &h)) != 0;
    }
    width = w;
    height = h;
    return known;
}

bool DirectShowBackend::ReadClientRect(ZoomRect& rect) {
    RECT client{};
    if (window_ == nullptr || !GetClientRect(window_, &client)) return false;
    rect = ZoomRect{client.left, client.top, client.right, client.bottom};
    return true;
}

bool DirectShowBackend::Play() { return mediaControl_ && (mediaControl_->Run(), true); }

bool DirectShowBackend::Pause() { return mediaControl_ && (mediaControl_->Pause(), true); }

bool DirectShowBackend::Stop() { return mediaControl_ && (mediaControl_->StopWhenReady(), true); }

void DirectShowBackend::SeekAndShow(int64_t position) {
    constexpr DWORD kSeekable = AM_SEEKING_CanSeekForwards | AM_SEEKING_CanGetStopPos;
    DWORD capabilities = 0;
    if (!mediaSeeking_ || FAILED(mediaSeeking_->GetCapabilities(&capabilities)) ||
        (capabilities & kSeekable) == 0) {
        return;
    }
    LONGLONG current = 0;
    LONGLONG stop = 0;
    if (SUCCEEDED(mediaSeeking_->GetPositions(&current, &stop))) position = std::min<LONGLONG>(position, stop);
    LONGLONG target = position;
    mediaSeeking_->SetPositions(&target, AM_SEEKING_AbsolutePositioning, nullptr, AM_SEEKING_NoPositioning);
}

void DirectShowBackend::SetAudibleVolume(uint32_t volume) {
    if (basicAudio_) basicAudio_->put_Volume(VolumeAttenuation(volume));
}

bool DirectShowBackend::SetRate(float rate, bool) {
    return !mediaPosition_ || SUCCEEDED(mediaPosition_->put_Rate(rate));
}
