// The session's events, on Media Foundation work-queue threads.

#include "CPlayer.h"

#include "PlayerMessages.h"

namespace {

// The renderer sends the end a little before the last frame has gone out.
constexpr DWORD kEndDelayMs = 200;

template <class Interface>
fw::ComPtr<Interface> ServiceOf(IUnknown* object, REFGUID service) {
    fw::ComPtr<Interface> found;
    if (object == nullptr ||
        FAILED(MFGetService(object, service, __uuidof(Interface), reinterpret_cast<void**>(found.Put())))) {
        found.Reset();
    }
    return found;
}

// The renderer a topology made of the activation: activating it again
// hands out that same renderer.
fw::ComPtr<IMFMediaSink> RendererOf(IMFActivate* activate) {
    fw::ComPtr<IMFMediaSink> sink;
    if (activate == nullptr ||
        FAILED(activate->ActivateObject(__uuidof(IMFMediaSink), reinterpret_cast<void**>(sink.Put())))) {
        sink.Reset();
    }
    return sink;
}

}  // namespace

STDMETHODIMP CPlayer::Invoke(IMFAsyncResult* result) {
    if (result == nullptr) return S_OK;
    // The call's state tells what finished: a source resolution, or a wait
    // for the next event of a session.
    fw::ComPtr<IUnknown> state;
    if (FAILED(result->GetState(state.Put())) || !state) return S_OK;
    fw::ComPtr<IMFSourceResolver> resolver;
    if (SUCCEEDED(state.As(resolver))) {
        OnSourceResolved(resolver.Get(), result);
        return S_OK;
    }
    fw::ComPtr<IMFMediaSession> session;
    if (FAILED(state.As(session))) return S_OK;
    fw::ComPtr<IMFMediaEvent> event;
    if (FAILED(session->EndGetEvent(result, event.Put())) || !event) return S_OK;
    MediaEventType type = MEUnknown;
    if (FAILED(event->GetType(&type))) return S_OK;
    if (!IsCurrentSession(session.Get())) {
        OnRetiredSessionEvent(session.Get(), type);
        return S_OK;
    }
    if (type == MESessionClosed) {
        SetEvent(closeEvent_.Get());
        return S_OK;
    }
    if (FAILED(session->BeginGetEvent(this, session.Get()))) return S_OK;
    OnCommandCompleted(type);
    if (state_ == PlayerState::Closing) return S_OK;

    HRESULT status = S_OK;
    if (FAILED(event->GetStatus(&status))) return S_OK;
    if (FAILED(status)) {
        // Most often no sound device: the movie plays without its sound.
        if (type == MESessionTopologySet && !audioDisabled_.exchange(true)) RebuildWithoutAudio();
        return S_OK;
    }
    Dispatch(type, event.Get());
    return S_OK;
}

void CPlayer::Dispatch(MediaEventType type, IMFMediaEvent* event) {
    switch (type) {
        case MESessionTopologyStatus: OnTopologyStatus(event); break;
        case MEEndOfPresentation: OnPresentationEnded(); break;
        case MENewPresentation: OnNewPresentation(event); break;
        case MESessionTopologySet: OnTopologySet(); break;
        case MESessionStopped: OnSessionStopped(); break;
        case MESessionPaused: OnSessionPaused(); break;
        default: OnSessionEvent(); break;
    }
}

void CPlayer::RebuildWithoutAudio() {
    // A session whose topology failed plays nothing even with a new one:
    // the rebuild takes a fresh session and a freshly resolved source. The
    // old session is closed here, and shut down once it confirms. The
    // source is resolved asynchronously: a resolution waited for on a
    // work-queue thread may wait for that very thread.
    std::lock_guard<std::mutex> hold(lock_);
    RetireSessionLocked();
    topologySet_ = false;
    readyWaiting_ = false;
    readyPosted_ = false;
    state_ = PlayerState::OpenPending;
    if (SUCCEEDED(CreateSessionLocked())) BeginResolveLocked();
}

void CPlayer::OnSourceResolved(IMFSourceResolver* resolver, IMFAsyncResult* result) {
    MF_OBJECT_TYPE type = MF_OBJECT_INVALID;
    fw::ComPtr<IUnknown> object;
    fw::ComPtr<IMFMediaSource> source;
    if (SUCCEEDED(resolver->EndCreateObjectFromURL(result, &type, object.Put())) && object) object.As(source);
    bool wanted = false;
    {
        std::lock_guard<std::mutex> hold(lock_);
        wanted = pendingResolver_.Get() == resolver && state_ == PlayerState::OpenPending && session_;
        if (wanted) {
            pendingResolver_.Reset();
            source_ = source;
        }
    }
    // A source that came too late, for a closed player, is let go at once.
    if (!wanted) {
        if (source) source->Shutdown();
        return;
    }
    if (source) SetTopologyFromSource();
}

HRESULT CPlayer::OnTopologyStatus(IMFMediaEvent* event) {
    UINT32 status = MF_TOPOSTATUS_INVALID;
    if (FAILED(event->GetUINT32(MF_EVENT_TOPOLOGY_STATUS, &status)) || status != MF_TOPOSTATUS_READY) return S_OK;
    if (!topologySet_) {
        readyWaiting_ = true;
        return S_OK;
    }
    return OnTopologyReady();
}

HRESULT CPlayer::OnTopologyReady() {
    if (readyPosted_.exchange(true)) return S_OK;
    fw::ComPtr<IMFActivate> videoRenderer;
    fw::ComPtr<IMFActivate> audioRenderer;
    {
        std::lock_guard<std::mutex> hold(lock_);
        videoRenderer = videoRenderer_;
        audioRenderer = audioRenderer_;
    }
    // The services are asked of the renderers themselves: Wine's session,
    // asked for them, keeps the video renderer and its threads alive for
    // good. A lookup may succeed with nothing in hand: only a display
    // control makes the movie ready; the mixer's overlay and the volume are
    // extras.
    const fw::ComPtr<IMFMediaSink> video = RendererOf(videoRenderer.Get());
    const fw::ComPtr<IMFMediaSink> audio = RendererOf(audioRenderer.Get());
    fw::ComPtr<IMFVideoDisplayControl> display = ServiceOf<IMFVideoDisplayControl>(video.Get(), MR_VIDEO_RENDER_SERVICE);
    if (!display) {
        readyPosted_ = false;
        return MF_E_NOT_FOUND;
    }
    fw::ComPtr<IMFVideoMixerBitmap> bitmap = ServiceOf<IMFVideoMixerBitmap>(video.Get(), MR_VIDEO_MIXER_SERVICE);
    fw::ComPtr<IMFVideoMixerControl> mixer = ServiceOf<IMFVideoMixerControl>(video.Get(), MR_VIDEO_MIXER_SERVICE);
    fw::ComPtr<IMFAudioStreamVolume> volume = ServiceOf<IMFAudioStreamVolume>(audio.Get(), MR_STREAM_VOLUME_SERVICE);
    {
        std::lock_guard<std::mutex> hold(lock_);
        displayControl_ = display;
        mixerBitmap_ = bitmap;
        mixerControl_ = mixer;
        streamVolume_ = volume;
    }
    state_ = PlayerState::Stopped;
    Post(WM_PLAYER_READY);
    return S_OK;
}

HRESULT CPlayer::OnPresentationEnded() {
    AnnounceEnd(false);
    return S_OK;
}

void CPlayer::AnnounceEnd(bool byClock) {
    if (endAnnounced_.exchange(true)) return;
    if (byClock) {
        // Hold the clock where a real end would leave it.
        fw::ComPtr<IMFMediaSession> session;
        {
            std::lock_guard<std::mutex> hold(lock_);
            session = session_;
        }
        if (session) PauseRunningSession(session.Get());
    }
    state_ = PlayerState::Stopped;
    Sleep(kEndDelayMs);
    if (state_ != PlayerState::Closing && state_ != PlayerState::Closed) Post(WM_PLAYER_ENDED);
}

HRESULT CPlayer::OnNewPresentation(IMFMediaEvent* event) {
    PROPVARIANT value;
    PropVariantInit(&value);
    HRESULT hr = event->GetValue(&value);
    if (SUCCEEDED(hr) && value.vt == VT_UNKNOWN && value.punkVal != nullptr) {
        fw::ComPtr<IMFPresentationDescriptor> descriptor;
        fw::ComPtr<IMFMediaSource> source;
        fw::ComPtr<IMFMediaSession> session;
        {
            std::lock_guard<std::mutex> hold(lock_);
            source = source_;
            session = session_;
        }
        fw::ComPtr<IMFTopology> topology;
        hr = fw::ComPtr<IUnknown>(value.punkVal).As(descriptor);
        if (SUCCEEDED(hr) && source && session) {
            hr = CreatePlaybackTopology(source.Get(), descriptor.Get(), videoWindow_, topology.Put());
        }
        if (SUCCEEDED(hr) && topology) {
            topologySet_ = false;
            readyPosted_ = false;
            hr = session->SetTopology(0, topology.Get());
            if (SUCCEEDED(hr)) state_ = PlayerState::OpenPending;
        }
    }
    PropVariantClear(&value);
    return hr;
}

HRESULT CPlayer::OnTopologySet() {
    fw::ComPtr<IMFMediaSession> session;
    {
        std::lock_guard<std::mutex> hold(lock_);
        session = session_;
    }
    if (!session) return E_UNEXPECTED;
    fw::ComPtr<IMFClock> clock;
    fw::ComPtr<IMFPresentationClock> presentationClock;
    if (SUCCEEDED(session->GetClock(clock.Put())) && clock) clock.As(presentationClock);
    fw::ComPtr<IMFRateControl> rate = ServiceOf<IMFRateControl>(session.Get(), MF_RATE_CONTROL_SERVICE);
    fw::ComPtr<IMFRateSupport> support = ServiceOf<IMFRateSupport>(session.Get(), MF_RATE_CONTROL_SERVICE);
    {
        std::lock_guard<std::mutex> hold(lock_);
        clock_ = presentationClock;
        rateControl_ = rate;
        rateSupport_ = support;
    }
    topologySet_ = true;
    // A ready status that came before the set is acted on now.
    if (readyWaiting_.exchange(false)) return OnTopologyReady();
    return S_OK;
}

HRESULT CPlayer::OnSessionStopped() { return S_OK; }

HRESULT CPlayer::OnSessionPaused() {
    SetVolume(volume_);
    Post(WM_PLAYER_PAUSED);
    return S_OK;
}
