#pragma once

#include <windows.h>

#include <ole2.h>
#include <d3d9.h>
#include <evr.h>
#include <evr9.h>
#include <mfapi.h>
#include <mferror.h>
#include <mfidl.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "framework/ComPtr.h"
#include "framework/Handles.h"

enum class PlayerState : uint32_t {
    Closed = 0,
    Ready = 1,        // session made, listening
    OpenPending = 2,  // topology set, not ready yet
    Started = 3,
    Paused = 4,
    Stopped = 5,      // ready, or stopped, or at the end
    Closing = 6,
};

// Plays one movie through a Media Foundation media session: the video to
// the video renderer with the program's own presenter, the audio to the
// standard audio renderer. The session's events arrive on Media Foundation
// work-queue threads; the video window hears of them by posted messages
// (wParam 0). The engine drives the player from its window's thread.
//
// The service interfaces are kept under the player's lock and handed out
// as references of their own, so a topology change on a work-queue thread
// never pulls one from under a caller.
class CPlayer final : public IMFAsyncCallback {
public:
    // A player for the window, holding one reference for the caller.
    static HRESULT CreateInstance(HWND videoWindow, HWND eventWindow, CPlayer** player);
    // Players alive in the process, for leak checks.
    static long LiveCount();

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    STDMETHODIMP GetParameters(DWORD*, DWORD*) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(IMFAsyncResult* result) override;

    // Makes a session for the movie at url, resolves its source and sets
    // its topology; WM_PLAYER_READY follows when the topology is ready.
    HRESULT OpenSession(const wchar_t* url);
    // Closes the session, waiting a bounded time for it to confirm.
    HRESULT CloseSession();
    HRESULT StartPlayback();
    HRESULT SeekTo(int64_t position);
    HRESULT SetVolume(uint32_t volume);
    HRESULT SetTopologyFromSource();
    HRESULT CreatePlaybackTopology(IMFMediaSource* source, IMFPresentationDescriptor* descriptor, HWND videoWindow,
                                   IMFTopology** topology);
    HRESULT AddBranchToPartialTopology(IMFTopology* topology, IMFMediaSource* source,
                                       IMFPresentationDescriptor* descriptor, DWORD streamIndex, HWND videoWindow);
    HRESULT CreateMediaSinkActivate(IMFStreamDescriptor* stream, HWND videoWindow, IMFActivate** activate);

    // The session commands the engine gives: pause a started movie, stop a
    // started or paused one, and move to a position and hold it there.
    HRESULT PauseSession();
    HRESULT StopSession();
    HRESULT ShowPosition(int64_t position);

    PlayerState State() const { return state_; }
    bool IsStartedWithMedia() const;
    fw::ComPtr<IMFVideoDisplayControl> DisplayControl() const;
    fw::ComPtr<IMFPresentationClock> Clock() const;
    fw::ComPtr<IMFRateControl> RateControl() const;
    fw::ComPtr<IMFVideoMixerBitmap> MixerBitmap() const;
    // The activation object of the program's presenter, for its statistics.
    fw::ComPtr<IMFActivate> PresenterActivation() const;
    // The movie's length in 100-ns units (0 when the source does not tell);
    // false while no movie is open.
    bool ReadDuration(int64_t& duration) const;

private:
    struct RetiredSession {
        fw::ComPtr<IMFMediaSession> session;
        fw::ComPtr<IMFMediaSource> source;
        fw::ComPtr<IMFActivate> videoRenderer;
        // Whether the session was ever asked to start the source.
        bool started = false;
        // Lets go of all three; each must be held here alone.
        void ShutDown(bool underWine);
    };

    CPlayer(HWND videoWindow, HWND eventWindow);
    ~CPlayer();

    // Session making, under the lock.
    HRESULT CreateSessionLocked();
    HRESULT ResolveSourceLocked();
    // The source's length in 100-ns units; 0 when it does not tell.
    static int64_t LengthOf(IMFMediaSource* source);
    int64_t KnownLength() const;
    HRESULT BeginResolveLocked();
    void RebuildWithoutAudio();
    void OnSourceResolved(IMFSourceResolver* resolver, IMFAsyncResult* result);
    void RetireSessionLocked();
    bool IsCurrentSession(IMFMediaSession* session) const;
    void OnRetiredSessionEvent(IMFMediaSession* session, MediaEventType type);
    void ShutDownRetired();
    void ReleaseServices();
    void WaitForClose();
    // Waits for the event, handling messages sent to this thread meanwhile.
    static void WaitDispatchingSent(HANDLE event, DWORD timeoutMs);

    // Event handlers, on work-queue threads.
    void Dispatch(MediaEventType type, IMFMediaEvent* event);
    HRESULT OnTopologyStatus(IMFMediaEvent* event);
    HRESULT OnTopologyReady();
    HRESULT OnPresentationEnded();
    HRESULT OnNewPresentation(IMFMediaEvent* event);
    HRESULT OnTopologySet();
    HRESULT OnSessionStopped();
    HRESULT OnSessionPaused();
    HRESULT OnSessionEvent() { return S_OK; }

    // Starting and the end of the movie.
    HRESULT AwaitCommand(MediaEventType completion, const std::function<HRESULT()>& command);
    void OnCommandCompleted(MediaEventType type);
    HRESULT StartAt(IMFMediaSession* session, const std::optional<int64_t>& position);
    HRESULT StopRunningSession(IMFMediaSession* session);
    HRESULT StopWithOutputClosed(IMFMediaSession* session, IMFActivate* presenter);
    HRESULT PauseRunningSession(IMFMediaSession* session);
    int64_t PausedPosition() const;
    void AwaitClockPast(int64_t position) const;
    void AnnounceEnd(bool byClock);
    void StartEndWatch();
    void StopEndWatch();
    void WatchForEnd();
    void Post(UINT message) const;

    fw::ComPtr<IMFActivate> presenterActivation_;
    // The renderers of the current topology, whose services the player asks.
    fw::ComPtr<IMFActivate> videoRenderer_;
    fw::ComPtr<IMFActivate> audioRenderer_;
    std::atomic<long> refCount_{1};
    std::atomic<uint32_t> volume_{0};
    std::atomic<bool> audioDisabled_{false};
    fw::ComPtr<IMFMediaSession> session_;
    fw::ComPtr<IMFMediaSource> source_;
    fw::ComPtr<IMFVideoDisplayControl> displayControl_;
    fw::ComPtr<IMFPresentationClock> clock_;
    fw::ComPtr<IMFRateControl> rateControl_;
    fw::ComPtr<IMFRateSupport> rateSupport_;
    fw::ComPtr<IMFVideoMixerBitmap> mixerBitmap_;
    fw::ComPtr<IMFAudioStreamVolume> streamVolume_;
    fw::ComPtr<IMFVideoMixerControl> mixerControl_;
    const HWND videoWindow_;
    const HWND eventWindow_;
    std::atomic<PlayerState> state_{PlayerState::Closed};
    fw::UniqueHandle closeEvent_;

    mutable std::mutex lock_;
    std::wstring url_;
    std::vector<RetiredSession> retired_;
    fw::ComPtr<IMFSourceResolver> pendingResolver_;
    // Only the topology whose set succeeded on the current session is
    // announced, and only once.
    std::atomic<bool> topologySet_{false};
    std::atomic<bool> readyWaiting_{false};
    std::atomic<bool> readyPosted_{false};

    // Wine's session ends no presentation that was started at a position,
    // and a resume after a pause never completes there: the player watches
    // the clock for the end and resumes by a start at the paused position.
    const bool underWine_;
    std::recursive_mutex commandLock_;
    fw::UniqueHandle commandDone_;
    std::atomic<MediaEventType> awaitedEvent_{MEUnknown};
    std::atomic<bool> sessionRunning_{false};  // started or paused
    std::atomic<bool> sessionPaused_{false};
    // A command went unanswered: the session is not waited for again.
    std::atomic<bool> sessionHung_{false};
    // The current session was asked to start.
    std::atomic<bool> sessionStarted_{false};
    mutable std::atomic<int64_t> duration_{0};
    std::atomic<bool> endAnnounced_{false};
    std::atomic<bool> endWatchRunning_{false};
    std::thread endWatch_;
};
