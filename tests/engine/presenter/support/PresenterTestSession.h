#pragma once

#include <windows.h>
#include <evr.h>
#include <mfapi.h>
#include <mfidl.h>

#include <string>

#include "CMFActivate.h"
#include "framework/ComPtr.h"

// Media Foundation (and COM) for the lifetime of the object.
class MediaFoundationScope {
public:
    MediaFoundationScope() : com_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)), result_(MFStartup(MF_VERSION)) {}
    ~MediaFoundationScope() {
        if (SUCCEEDED(result_)) MFShutdown();
        if (SUCCEEDED(com_)) CoUninitialize();
    }
    MediaFoundationScope(const MediaFoundationScope&) = delete;
    MediaFoundationScope& operator=(const MediaFoundationScope&) = delete;
    bool Ready() const { return SUCCEEDED(result_); }

private:
    HRESULT com_;
    HRESULT result_;
};

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
    HRESULT WaitForEnd(DWORD timeoutMs) { return WaitForEvent(MESessionEnded, timeoutMs); }
    // Closes and shuts down the session and the source and lets go of all.
    void Close();

    EVRCustomPresenter* Presenter() const { return activate_ ? activate_->Presenter() : nullptr; }
    fw::ComPtr<IMFVideoDisplayControl> DisplayControl() const;
    LONGLONG ClockTime() const;  // 100 ns units

private:
    HRESULT AddVideoBranch(IMFTopology* topology, HWND window);
    HRESULT WaitForEvent(MediaEventType wanted, DWORD timeoutMs);

    fw::ComPtr<IMFMediaSession> session_;
    fw::ComPtr<IMFMediaSource> source_;
    fw::ComPtr<IMFPresentationDescriptor> descriptor_;
    fw::ComPtr<CMFActivate> activate_;
};
