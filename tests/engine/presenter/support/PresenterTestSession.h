#pragma once

#include <windows.h>
#include <evr.h>
#include <mfapi.h>
#include <mfidl.h>

#include <string>

#include "CMFActivate.h"
#include "MediaFoundationScope.h"
#include "framework/ComPtr.h"

// A media session that plays a movie's video into a window through the
// platform's video renderer with the program's presenter: a topology of the
// tests' own, in place of the player. Every wait pumps messages and has a
// deadline.
class PresenterTestSession {
public:
    PresenterTestSession() = default;
    ~PresenterTestSession() { Close(); }
    PresenterTestSession(const PresenterTestSession&) = delete;
    PresenterTestSession& operator=(const PresenterTestSession&) = delete;

    // Resolves the file and sets the topology; S_OK once it is ready.
    HRESULT Open(const std::wstring& path, HWND window);
    HRESULT Start();
    // S_OK once the session reports the end, or once its clock is well past
    // the movie's length: Wine's session, on a busy machine, does not always
    // report it (the player watches the clock there too).
    HRESULT WaitForEnd(DWORD timeoutMs);
    // Closes the presenter's output, as the player does before a stop, then
    // closes and shuts down the session and the source and lets go of all.
    void Close();

    EVRCustomPresenter* Presenter() const { return activate_ ? activate_->Presenter() : nullptr; }
    fw::ComPtr<IMFVideoDisplayControl> DisplayControl() const;
    LONGLONG ClockTime() const;  // 100 ns units

private:
    HRESULT AddVideoBranch(IMFTopology* topology, HWND window);
    HRESULT WaitForEvent(MediaEventType wanted, DWORD timeoutMs);
    // Takes the session's queued events; true with the status once the
    // wanted one was among them.
    bool TakeEvent(MediaEventType wanted, HRESULT* status);

    fw::ComPtr<IMFMediaSession> session_;
    fw::ComPtr<IMFMediaSource> source_;
    fw::ComPtr<IMFPresentationDescriptor> descriptor_;
    fw::ComPtr<CMFActivate> activate_;
    LONGLONG duration_ = 0;  // 100 ns units; 0 when the source does not say
};
