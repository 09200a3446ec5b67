#pragma once

#include <windows.h>
#include <evr.h>
#include <mfidl.h>

#include <string>

#include "CMFActivate.h"
#include "framework/ComPtr.h"

// Media Foundation (and COM) for the lifetime of the object.
class MediaFoundationScope {
public:
    MediaFoundationScope();
    ~MediaFoundationScope();
    MediaFoundationScope(const MediaFoundationScope&) = delete;
    MediaFoundationScope& operator=(const MediaFoundationScope&) = delete;
    bool Ready() const { return SUCCEEDED(result_); }

private:
    HRESULT initialized_;
    HRESULT result_;
};

// A media session that plays a movie's video into a window through the
// video renderer with the program's presenter: a topology builder of the
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
    // Waits for the presentation to end.
    HRESULT WaitForEnd(DWORD timeoutMs);
    // Closes and shuts the session and the source down, and lets go of
    // everything held.
    void Close();

    EVRCustomPresenter* Presenter() const { return activate_ ? activate_->Presenter() : nullptr; }
    // The presenter's display control, through the renderer's render
    // service.
    fw::ComPtr<IMFVideoDisplayControl> DisplayControl() const;
    // The presentation clock's time in 100 ns units.
    LONGLONG ClockTime() const;

private:
    HRESULT BuildTopology(IMFTopology* topology, HWND window);
    HRESULT AddVideoBranch(IMFTopology* topology, IMFStreamDescriptor* stream, HWND window);
    HRESULT WaitForEvent(MediaEventType wanted, DWORD timeoutMs);

    fw::ComPtr<IMFMediaSession> session_;
    fw::ComPtr<IMFMediaSource> source_;
    fw::ComPtr<IMFPresentationDescriptor> descriptor_;
    fw::ComPtr<CMFActivate> activate_;
};
