#include "MediaFoundationBackend.h"

#include "PlayerMessages.h"

namespace {

constexpr ULONG kMediaFoundationVersion = 0x20070;

}  // namespace

MediaFoundationStartup::MediaFoundationStartup() {
    started_ = SUCCEEDED(MFStartup(kMediaFoundationVersion, MFSTARTUP_FULL));
}

MediaFoundationStartup::~MediaFoundationStartup() {
    if (started_) MFShutdown();
}

MediaFoundationBackend::MediaFoundationBackend(HWND videoWindow) : window_(videoWindow) {}

MediaFoundationBackend::~MediaFoundationBackend() {
    if (player_) player_->CloseSession();
    player_.Reset();
}

std::unique_ptr<MediaFoundationBackend> MediaFoundationBackend::Create(HWND videoWindow) {
    std::unique_ptr<MediaFoundationBackend> backend(new (std::nothrow) MediaFoundationBackend(videoWindow));
    if (!backend || !backend->startup_.Started()) return nullptr;
    CPlayer* player = nullptr;
    if (FAILED(CPlayer::CreateInstance(videoWindow, videoWindow, &player))) return nullptr;
    backend->player_ = fw::ComPtr<CPlayer>::Adopt(player);
    if (!backend->overlay_.Create(videoWindow)) return nullptr;
    return backend;
}

bool MediaFoundationBackend::OpenMedia(const std::wstring& path) { return SUCCEEDED(player_->OpenSession(path.c_str())); }

bool MediaFoundationBackend::AttachVideoWindow() {
    // The rate control comes with the topology, on a work-queue thread; it
    // may not be there yet, and the movie opens either way.
    fw::ComPtr<IMFRateControl> rate = player_->RateControl();
    if (rate) rate->SetRate(FALSE, 1.0f);
    return true;
}

bool MediaFoundationBackend::ReadReversePlayable(uint32_t& reversePlayable) {
    reversePlayable = 0;
    return true;
}

void MediaFoundationBackend::Close() {
    if (player_->IsStartedWithMedia()) player_->PauseSession();
    player_->CloseSession();
    // What the closed player posted is about a movie no longer there.
    MSG stale;
    while (PeekMessageW(&stale, window_, WM_PLAYER_PAUSED, WM_PLAYER_READY, PM_REMOVE)) {
    }
}

bool MediaFoundationBackend::HasVideoControl() const { return static_cast<bool>(player_->DisplayControl()); }

bool MediaFoundationBackend::ReadDuration(int64_t& duration) { return player_->ReadDuration(duration); }

bool MediaFoundationBackend::ReadPosition(int64_t& position) {
    fw::ComPtr<IMFPresentationClock> clock = player_->Clock();
    position = 0;
    if (!clock) return true;
    MFTIME time = 0;
    if (FAILED(clock->GetTime(&time))) return false;
    position = time;
    return true;
}

bool MediaFoundationBackend::ReadNativeVideoSize(int32_t& width, int32_t& height) {
    fw::ComPtr<IMFVideoDisplayControl> display = player_->DisplayControl();
    SIZE size{};
    if (!display || FAILED(display->GetNativeVideoSize(&size, nullptr))) return false;
    width = size.cx;
    height = size.cy;
    return true;
}

bool MediaFoundationBackend::ReadClientRect(ZoomRect& rect) {
    RECT client{};
    if (window_ == nullptr || !GetClientRect(window_, &client)) return false;
    rect = ZoomRect{client.left, client.top, client.right, client.bottom};
    return true;
}

bool MediaFoundationBackend::Play() {
    player_->StartPlayback();
    return true;
}

bool MediaFoundationBackend::Pause() {
    player_->PauseSession();
    return true;
}

bool MediaFoundationBackend::Stop() {
    player_->StopSession();
    return true;
}

void MediaFoundationBackend::SeekAndShow(int64_t position) { player_->ShowPosition(position); }

void MediaFoundationBackend::SeekWhilePlaying(int64_t position) { player_->SeekTo(position); }

void MediaFoundationBackend::SetAudibleVolume(uint32_t volume) { player_->SetVolume(volume); }

bool MediaFoundationBackend::SetRate(float rate, bool thin) {
    fw::ComPtr<IMFRateControl> control = player_->RateControl();
    if (control) control->SetRate(thin ? TRUE : FALSE, rate);
    return true;
}
