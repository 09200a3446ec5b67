// Starting, pausing, stopping and seeking the session, the volume, and the
// watch for the end of the movie.

#include "CPlayer.h"

#include <chrono>

#include "PresenterLink.h"

namespace {

constexpr auto kEndWatchPeriod = std::chrono::milliseconds(20);

// Start at a position, or from where the session stands without one.
HRESULT StartSession(IMFMediaSession* session, const std::optional<int64_t>& position) {
    PROPVARIANT start;
    PropVariantInit(&start);
    if (position) {
        start.vt = VT_I8;
        start.hVal.QuadPart = *position;
    }
    const HRESULT hr = session->Start(&GUID_NULL, &start);
    PropVariantClear(&start);
    return hr;
}

}  // namespace

HRESULT CPlayer::StartAt(IMFMediaSession* session, const std::optional<int64_t>& position) {
    if (position) lastStartPosition_ = *position;
    ++pendingStarts_;
    const HRESULT hr = StartSession(session, position);
    if (FAILED(hr)) {
        --pendingStarts_;
        return hr;
    }
    state_ = PlayerState::Started;
    startedOnce_ = true;
    sessionPaused_ = false;
    endAnnounced_ = false;
    if (underWine_) StartEndWatch();
    return hr;
}

int64_t CPlayer::ResumePosition() const {
    // Until the session confirms a start at a position, its clock still
    // tells the time before it.
    if (pendingStarts_ > 0) return lastStartPosition_;
    fw::ComPtr<IMFPresentationClock> clock = Clock();
    MFTIME time = 0;
    if (!clock || FAILED(clock->GetTime(&time)) || time < 0) return lastStartPosition_;
    return time;
}

HRESULT CPlayer::StartPlayback() {
    const PlayerState state = state_;
    if (state != PlayerState::Paused && state != PlayerState::Stopped) return MF_E_INVALIDREQUEST;
    fw::ComPtr<IMFMediaSession> session;
    fw::ComPtr<IMFActivate> presenter;
    {
        std::lock_guard<std::mutex> hold(lock_);
        if (!session_ || !source_) return E_UNEXPECTED;
        session = session_;
        presenter = presenterActivation_;
    }
    SetPresenterOutputGate(presenter.Get(), true);
    if (underWine_ && sessionPaused_) {
        // A plain resume never completes there; a start at the paused
        // position does.
        const int64_t position = ResumePosition();
        session->Stop();
        return StartAt(session.Get(), position);
    }
    return StartAt(session.Get(), std::nullopt);
}

HRESULT CPlayer::SeekTo(int64_t position) {
    fw::ComPtr<IMFMediaSession> session;
    fw::ComPtr<IMFActivate> presenter;
    {
        std::lock_guard<std::mutex> hold(lock_);
        if (!session_) return E_POINTER;
        if (!displayControl_) return S_OK;
        session = session_;
        presenter = presenterActivation_;
    }
    session->Stop();
    SetPresenterOutputGate(presenter.Get(), false);
    return StartAt(session.Get(), position);
}

HRESULT CPlayer::ShowPosition(int64_t position) {
    fw::ComPtr<IMFMediaSession> session;
    fw::ComPtr<IMFActivate> presenter;
    {
        std::lock_guard<std::mutex> hold(lock_);
        if (!session_ || !displayControl_) return S_OK;
        session = session_;
        presenter = presenterActivation_;
    }
    SetPresenterOutputGate(presenter.Get(), true);
    // There a start at a position is answered only from a stopped session.
    if (underWine_) session->Stop();
    HRESULT hr = StartAt(session.Get(), position);
    if (SUCCEEDED(hr)) hr = PauseSession();
    return hr;
}

HRESULT CPlayer::PauseSession() {
    fw::ComPtr<IMFMediaSession> session;
    {
        std::lock_guard<std::mutex> hold(lock_);
        if (state_ != PlayerState::Started || !session_ || !source_) return S_OK;
        session = session_;
    }
    const HRESULT hr = session->Pause();
    if (SUCCEEDED(hr)) {
        state_ = PlayerState::Paused;
        sessionPaused_ = true;
    }
    return hr;
}

HRESULT CPlayer::StopSession() {
    fw::ComPtr<IMFMediaSession> session;
    {
        std::lock_guard<std::mutex> hold(lock_);
        const PlayerState state = state_;
        if ((state != PlayerState::Started && state != PlayerState::Paused) || !session_) return S_OK;
        session = session_;
    }
    const HRESULT hr = session->Stop();
    if (SUCCEEDED(hr)) {
        state_ = PlayerState::Stopped;
        sessionPaused_ = false;
        lastStartPosition_ = 0;
    }
    return hr;
}

HRESULT CPlayer::SetVolume(uint32_t volume) {
    fw::ComPtr<IMFAudioStreamVolume> streamVolume;
    {
        std::lock_guard<std::mutex> hold(lock_);
        streamVolume = streamVolume_;
    }
    if (!streamVolume) return E_POINTER;
    const float level = static_cast<float>(volume & 0xFFFF) / 65535.0f;
    UINT32 channels = 0;
    HRESULT hr = streamVolume->GetChannelCount(&channels);
    if (FAILED(hr)) return hr;
    for (UINT32 channel = 0; channel < channels; ++channel) {
        hr = streamVolume->SetChannelVolume(channel, level);
        if (FAILED(hr)) return hr;
    }
    volume_ = volume;
    return S_OK;
}

void CPlayer::StartEndWatch() {
    if (endWatchRunning_.exchange(true)) return;
    if (endWatch_.joinable()) endWatch_.join();
    endWatch_ = std::thread(&CPlayer::WatchForEnd, this);
}

void CPlayer::StopEndWatch() {
    endWatchRunning_ = false;
    if (endWatch_.joinable() && endWatch_.get_id() != std::this_thread::get_id()) endWatch_.join();
}

void CPlayer::WatchForEnd() {
    while (endWatchRunning_) {
        std::this_thread::sleep_for(kEndWatchPeriod);
        if (state_ != PlayerState::Started || endAnnounced_ || pendingStarts_ > 0) continue;
        const int64_t length = duration_;
        fw::ComPtr<IMFPresentationClock> clock = Clock();
        MFTIME time = 0;
        if (length <= 0 || !clock || FAILED(clock->GetTime(&time))) continue;
        if (time >= length) AnnounceEnd(true);
    }
}
