// The player's life: creation, reference counting, its session and
// source, the service interfaces, and closing.

#include "CPlayer.h"

#include <new>

#include "PresenterLink.h"
#include "RunningUnderWine.h"
#include "WineSourceShutdown.h"

namespace {

std::atomic<long> g_livePlayers{0};

// The session confirms a close within this time, or is shut down anyway.
constexpr DWORD kCloseWaitMs = 5000;

}  // namespace

CPlayer::CPlayer(HWND videoWindow, HWND eventWindow)
    : videoWindow_(videoWindow), eventWindow_(eventWindow), underWine_(RunningUnderWine()) {
    ++g_livePlayers;
}

CPlayer::~CPlayer() {
    CloseSession();
    --g_livePlayers;
}

long CPlayer::LiveCount() { return g_livePlayers; }

HRESULT CPlayer::CreateInstance(HWND videoWindow, HWND eventWindow, CPlayer** player) {
    if (player == nullptr) return E_POINTER;
    *player = nullptr;
    fw::ComPtr<CPlayer> made = fw::ComPtr<CPlayer>::Adopt(new (std::nothrow) CPlayer(videoWindow, eventWindow));
    if (!made) return E_OUTOFMEMORY;
    made->closeEvent_.Reset(CreateEventW(nullptr, FALSE, FALSE, nullptr));
    made->commandDone_.Reset(CreateEventW(nullptr, FALSE, FALSE, nullptr));
    if (!made->closeEvent_.Valid() || !made->commandDone_.Valid()) return HRESULT_FROM_WIN32(GetLastError());
    *player = made.Get();
    made->AddRef();
    return S_OK;
}

STDMETHODIMP CPlayer::QueryInterface(REFIID iid, void** object) {
    if (object == nullptr) return E_POINTER;
    if (iid == __uuidof(IUnknown) || iid == __uuidof(IMFAsyncCallback)) {
        *object = static_cast<IMFAsyncCallback*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) CPlayer::AddRef() { return static_cast<ULONG>(++refCount_); }

STDMETHODIMP_(ULONG) CPlayer::Release() {
    const long count = --refCount_;
    if (count == 0) delete this;
    return static_cast<ULONG>(count);
}

HRESULT CPlayer::CreateSessionLocked() {
    HRESULT hr = MFCreateMediaSession(nullptr, session_.Put());
    if (FAILED(hr)) return hr;
    sessionHung_ = false;
    sessionStarted_ = false;
    // The session itself is the call's state, so each event is known by
    // the session it came from.
    return session_->BeginGetEvent(this, session_.Get());
}

int64_t CPlayer::LengthOf(IMFMediaSource* source) {
    fw::ComPtr<IMFPresentationDescriptor> descriptor;
    UINT64 length = 0;
    if (FAILED(source->CreatePresentationDescriptor(descriptor.Put())) ||
        FAILED(descriptor->GetUINT64(MF_PD_DURATION, &length))) {
        return 0;
    }
    return static_cast<int64_t>(length);
}

HRESULT CPlayer::ResolveSourceLocked() {
    fw::ComPtr<IMFSourceResolver> resolver;
    HRESULT hr = MFCreateSourceResolver(resolver.Put());
    if (FAILED(hr)) return hr;
    MF_OBJECT_TYPE type = MF_OBJECT_INVALID;
    fw::ComPtr<IUnknown> object;
    hr = resolver->CreateObjectFromURL(url_.c_str(), MF_RESOLUTION_MEDIASOURCE, nullptr, &type, object.Put());
    if (FAILED(hr)) return hr;
    hr = object.As(source_);
    if (FAILED(hr)) return hr;
    duration_ = LengthOf(source_.Get());
    return S_OK;
}

HRESULT CPlayer::BeginResolveLocked() {
    fw::ComPtr<IMFSourceResolver> resolver;
    HRESULT hr = MFCreateSourceResolver(resolver.Put());
    if (FAILED(hr)) return hr;
    // No cancel cookie: Wine's keeps the player alive for good. A source
    // that arrives after the close is shut down when it comes.
    hr = resolver->BeginCreateObjectFromURL(url_.c_str(), MF_RESOLUTION_MEDIASOURCE, nullptr, nullptr, this,
                                            resolver.Get());
    if (FAILED(hr)) return hr;
    pendingResolver_ = resolver;
    return S_OK;
}

HRESULT CPlayer::OpenSession(const wchar_t* url) {
    CloseSession();
    if (url == nullptr) return E_POINTER;
    HRESULT hr = S_OK;
    {
        std::lock_guard<std::mutex> hold(lock_);
        url_ = url;
        audioDisabled_ = false;
        hr = CreateSessionLocked();
        if (SUCCEEDED(hr)) {
            state_ = PlayerState::Ready;
            hr = ResolveSourceLocked();
        }
    }
    if (FAILED(hr)) {
        state_ = PlayerState::Closed;
        return hr;
    }
    SetTopologyFromSource();
    state_ = PlayerState::OpenPending;
    return S_OK;
}

bool CPlayer::IsCurrentSession(IMFMediaSession* session) const {
    std::lock_guard<std::mutex> hold(lock_);
    return session != nullptr && session == session_.Get();
}

void CPlayer::RetiredSession::ShutDown(bool underWine) {
    // A renderer made for a topology the session never took is shut down
    // by no one else.
    if (videoRenderer) videoRenderer->ShutdownObject();
    videoRenderer.Reset();
    if (!underWine) {
        if (source) source->Shutdown();
        if (session) session->Shutdown();
        session.Reset();
        source.Reset();
        return;
    }
    // Under Wine the session goes first, so that only the source's own
    // references are left to count.
    const ULONG idle = IdleReferencesOf(source.Get(), started);
    if (session) session->Shutdown();
    session.Reset();
    ShutDownWhenIdle(source, idle);
    source.Reset();
}

void CPlayer::RetireSessionLocked() {
    if (session_) session_->Close();
    retired_.push_back(RetiredSession{session_, source_, videoRenderer_, sessionStarted_});
    session_.Reset();
    source_.Reset();
}

void CPlayer::OnRetiredSessionEvent(IMFMediaSession* session, MediaEventType type) {
    if (type != MESessionClosed) {
        session->BeginGetEvent(this, session);
        return;
    }
    RetiredSession closed;
    {
        std::lock_guard<std::mutex> hold(lock_);
        for (auto it = retired_.begin(); it != retired_.end(); ++it) {
            if (it->session.Get() != session) continue;
            closed = *it;
            retired_.erase(it);
            break;
        }
    }
    closed.ShutDown(underWine_);
}

void CPlayer::ShutDownRetired() {
    std::vector<RetiredSession> retired;
    {
        std::lock_guard<std::mutex> hold(lock_);
        retired.swap(retired_);
    }
    for (RetiredSession& old : retired) old.ShutDown(underWine_);
}

void CPlayer::ReleaseServices() {
    std::lock_guard<std::mutex> hold(lock_);
    displayControl_.Reset();
    clock_.Reset();
    rateControl_.Reset();
    rateSupport_.Reset();
    mixerBitmap_.Reset();
    mixerControl_.Reset();
    streamVolume_.Reset();
}

void CPlayer::WaitForClose() { WaitDispatchingSent(closeEvent_.Get(), kCloseWaitMs); }

void CPlayer::WaitDispatchingSent(HANDLE event, DWORD timeoutMs) {
    // A renderer thread that sends to the video window of this thread must
    // not hold the wait up.
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline) return;
        const DWORD woken = MsgWaitForMultipleObjects(1, &event, FALSE, static_cast<DWORD>(deadline - now),
                                                      QS_SENDMESSAGE);
        if (woken != WAIT_OBJECT_0 + 1) return;
        MSG message;
        PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

HRESULT CPlayer::CloseSession() {
    RetiredSession current;
    {
        std::lock_guard<std::mutex> hold(lock_);
        displayControl_.Reset();
        // The session shuts its renderers down itself.
        current = RetiredSession{session_, source_, fw::ComPtr<IMFActivate>(), sessionStarted_};
        SetPresenterOutputGate(presenterActivation_.Get(), false);
        pendingResolver_.Reset();
    }
    HRESULT hr = S_OK;
    if (current.session) {
        state_ = PlayerState::Closing;
        ResetEvent(closeEvent_.Get());
        hr = current.session->Close();
        if (SUCCEEDED(hr) && !sessionHung_) WaitForClose();
    }
    {
        std::lock_guard<std::mutex> hold(lock_);
        session_.Reset();
        source_.Reset();
    }
    current.ShutDown(underWine_);
    StopEndWatch();
    {
        std::lock_guard<std::mutex> hold(lock_);
        if (presenterActivation_) presenterActivation_->ShutdownObject();
        presenterActivation_.Reset();
        videoRenderer_.Reset();
        audioRenderer_.Reset();
    }
    ReleaseServices();
    ShutDownRetired();
    state_ = PlayerState::Closed;
    return hr;
}

bool CPlayer::IsStartedWithMedia() const {
    std::lock_guard<std::mutex> hold(lock_);
    return state_ == PlayerState::Started && session_ && source_;
}

fw::ComPtr<IMFVideoDisplayControl> CPlayer::DisplayControl() const {
    std::lock_guard<std::mutex> hold(lock_);
    return displayControl_;
}

fw::ComPtr<IMFPresentationClock> CPlayer::Clock() const {
    std::lock_guard<std::mutex> hold(lock_);
    return clock_;
}

fw::ComPtr<IMFRateControl> CPlayer::RateControl() const {
    std::lock_guard<std::mutex> hold(lock_);
    return rateControl_;
}

fw::ComPtr<IMFActivate> CPlayer::PresenterActivation() const {
    std::lock_guard<std::mutex> hold(lock_);
    return presenterActivation_;
}

fw::ComPtr<IMFVideoMixerBitmap> CPlayer::MixerBitmap() const {
    std::lock_guard<std::mutex> hold(lock_);
    return mixerBitmap_;
}

bool CPlayer::ReadDuration(int64_t& duration) const {
    // The length read when the movie's source was first resolved: a
    // rebuild without sound swaps the source while the engine may ask.
    if (state_ == PlayerState::Closed) return false;
    duration = KnownLength();
    return true;
}

// A source that could not tell its length when it was resolved is asked
// again, until it can.
int64_t CPlayer::KnownLength() const {
    const int64_t length = duration_;
    if (length > 0) return length;
    fw::ComPtr<IMFMediaSource> source;
    {
        std::lock_guard<std::mutex> hold(lock_);
        source = source_;
    }
    if (!source) return 0;
    const int64_t asked = LengthOf(source.Get());
    if (asked > 0) duration_ = asked;
    return asked;
}

void CPlayer::Post(UINT message) const {
    // wParam 0: the event itself is gone by the time the window reads it.
    PostMessageW(eventWindow_, message, 0, 0);
}
