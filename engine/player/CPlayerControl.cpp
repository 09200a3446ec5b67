// Starting, pausing, stopping and seeking the session, the volume, and the
// watch for the end of the movie.

#include "CPlayer.h"

#include <chrono>

#include "PresenterLink.h"

namespace {

constexpr auto kEndWatchPeriod = std::chrono::milliseconds(20);
constexpr DWORD kCommandWaitMs = 2000;
constexpr DWORD kClockRunWaitMs = 500;
constexpr DWORD kClockPollMs = 5;

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

HRESULT CPlayer::AwaitCommand(MediaEventType completion, const std::function<HRESULT()>& command) {
    if (!underWine_ || sessionHung_) return command();
    // There a command given before the last one has completed can leave
    // the session waiting for good: each is waited for, a bounded time.
    std::lock_guard<std::recursive_mutex> one(commandLock_);
    awaitedEvent_ = completion;
    ResetEvent(commandDone_.Get());
    const HRESULT hr = command();
    if (FAILED(hr)) {
        awaitedEvent_ = MEUnknown;
        return hr;
    }
    WaitDispatchingSent(commandDone_.Get(), kCommandWaitMs);
    // Unanswered, the command leaves the session deaf to every later one
    // (seen there at the end of a clip): the player stops waiting on it.
    MediaEventType unanswered = completion;
    if (awaitedEvent_.compare_exchange_strong(unanswered, MEUnknown)) sessionHung_ = true;
    return hr;
}

void CPlayer::OnCommandCompleted(MediaEventType type) {
    MediaEventType awaited = type;
    if (type != MEUnknown && awaitedEvent_.compare_exchange_strong(awaited, MEUnknown)) SetEvent(commandDone_.Get());
}

HRESULT CPlayer::StartAt(IMFMediaSession* session, const std::optional<int64_t>& position) {
    const HRESULT hr = AwaitCommand(MESessionStarted, [&] { return StartSession(session, position); });
    if (FAILED(hr)) return hr;
    sessionStarted_ = true;
    state_ = PlayerState::Started;
    sessionPaused_ = false;
    sessionRunning_ = true;
    endAnnounced_ = false;
    if (underWine_) StartEndWatch();
    return hr;
}

HRESULT CPlayer::StopRunningSession(IMFMediaSession* session) {
    if (!sessionRunning_) return S_OK;
    const HRESULT hr = AwaitCommand(MESessionStopped, [session] { return session->Stop(); });
    if (SUCCEEDED(hr)) {
        sessionRunning_ = false;
        sessionPaused_ = false;
    }
    return hr;
}

HRESULT CPlayer::PauseRunningSession(IMFMediaSession* session) {
    const HRESULT hr = AwaitCommand(MESessionPaused, [session] { return session->Pause(); });
    if (SUCCEEDED(hr)) sessionPaused_ = true;
    return hr;
}

HRESULT CPlayer::StopWithOutputClosed(IMFMediaSession* session, IMFActivate* presenter) {
    // Wine's renderer, stopped while the presenter asks its mixer for a
    // frame, can deadlock the two: no frame is asked for across a stop.
    SetPresenterOutputGate(presenter, false);
    return StopRunningSession(session);
}

int64_t CPlayer::PausedPosition() const {
    fw::ComPtr<IMFPresentationClock> clock = Clock();
    MFTIME time = 0;
    if (!clock || FAILED(clock->GetTime(&time)) || time < 0) return 0;
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
    if (underWine_ && sessionPaused_) {
        // A plain resume never completes there; a start at the paused
        // position does.
        const int64_t position = PausedPosition();
        StopWithOutputClosed(session.Get(), presenter.Get());
        SetPresenterOutputGate(presenter.Get(), true);
        return StartAt(session.Get(), position);
    }
    SetPresenterOutputGate(presenter.Get(), true);
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
    if (underWine_) {
        StopWithOutputClosed(session.Get(), presenter.Get());
    } else {
        session->Stop();
        SetPresenterOutputGate(presenter.Get(), false);
    }
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
    // There a start at a position is answered only from a stopped session,
    // and a pause before the presentation runs can leave the session
    // unable to stop again.
    if (underWine_) StopWithOutputClosed(session.Get(), presenter.Get());
    SetPresenterOutputGate(presenter.Get(), true);
    HRESULT hr = StartAt(session.Get(), position);
    if (SUCCEEDED(hr) && underWine_) AwaitClockPast(position);
    if (SUCCEEDED(hr)) hr = PauseSession();
    return hr;
}

void CPlayer::AwaitClockPast(int64_t position) const {
    const ULONGLONG deadline = GetTickCount64() + kClockRunWaitMs;
    fw::ComPtr<IMFPresentationClock> clock = Clock();
    MFTIME time = 0;
    while (clock && GetTickCount64() < deadline) {
        if (SUCCEEDED(clock->GetTime(&time)) && time > position) return;
        Sleep(kClockPollMs);
    }
}

HRESULT CPlayer::PauseSession() {
    fw::ComPtr<IMFMediaSession> session;
    {
        std::lock_guard<std::mutex> hold(lock_);
        if (state_ != PlayerState::Started || !session_ || !source_) return S_OK;
        session = session_;
    }
    const HRESULT hr = PauseRunningSession(session.Get());
    if (SUCCEEDED(hr)) state_ = PlayerState::Paused;
    return hr;
}

HRESULT CPlayer::StopSession() {
    fw::ComPtr<IMFMediaSession> session;
    fw::ComPtr<IMFActivate> presenter;
    {
        std::lock_guard<std::mutex> hold(lock_);
        const PlayerState state = state_;
        if ((state != PlayerState::Started && state != PlayerState::Paused) || !session_) return S_OK;
        session = session_;
        presenter = presenterActivation_;
    }
    // A paused session still gets its presented samples back, and each
    // one asks the mixer for the next: the stop the window gives on its
    // way out met one of them and left renderer and mixer waiting on each
    // other, and the session's shutdown on both.
    const HRESULT hr = underWine_ ? StopWithOutputClosed(session.Get(), presenter.Get()) : session->Stop();
    if (SUCCEEDED(hr)) state_ = PlayerState::Stopped;
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
        if (state_ != PlayerState::Started || endAnnounced_) continue;
        const int64_t length = KnownLength();
        fw::ComPtr<IMFPresentationClock> clock = Clock();
        MFTIME time = 0;
        if (length <= 0 || !clock || FAILED(clock->GetTime(&time))) continue;
        if (time >= length) AnnounceEnd(true);
    }
}
