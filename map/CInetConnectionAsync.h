#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "framework/Handles.h"
#include "framework/WorkerThread.h"
#include "map/InternetHandle.h"
#include "map/InternetRequest.h"
#include "map/OnlineSettings.h"
#include "map/ProbePause.h"
#include "map/core/ConnectivityState.h"

// Watches whether the map provider can be reached, and owns the update
// check's thread. It lives as long as the map bridge that embeds it: the
// monitor thread starts with it and both threads end before it goes.
//
// The monitor probes once a second: it asks whether the machine is
// connected at all, then reaches the provider's root page, through the
// user's proxy when the machine says it uses one. Its verdict is the online
// flag (see ConnectivityState for why it stays off after a lost connection).
class CInetConnectionAsync {
public:
    explicit CInetConnectionAsync(OnlineSettings settings = {});
    virtual ~CInetConnectionAsync();
    CInetConnectionAsync(const CInetConnectionAsync&) = delete;
    CInetConnectionAsync& operator=(const CInetConnectionAsync&) = delete;

    // The monitor's verdict; read by the UI thread without a lock.
    bool Online() const { return online_.load() != 0; }
    bool WasOnline() const { return wasOnline_.load() != 0; }
    bool WentOffline() const { return wentOffline_.load() != 0; }

    // Ends the monitor and waits for it: at once between probes, else when
    // the probe under way ends (a request is bounded by its limit). The
    // destructor does this too.
    void StopMonitor();
    // The monitor thread's handle (null once it has been stopped and reaped).
    HANDLE MonitorThreadHandle() const { return monitor_ ? monitor_->Handle() : nullptr; }

    // An internet session through the user's proxy; empty when the proxy
    // setting names no host or WinINet refuses.
    InternetHandle OpenSession() const;
    // An internet session for the update check, or empty when offline:
    // the url, when given, must be reachable first, directly or through the
    // proxy as the machine is set up.
    InternetHandle OpenCheckedSession(const wchar_t* url) const;

    // The update check: started once per run with the recorder firmware
    // text it compares against. Its procedure runs on its own thread with a
    // message queue; it ends on WM_QUIT, which the destructor posts after
    // raising UpdateStopRequested(). False when it was started before or
    // the thread could not be made.
    using UpdateCheckProc = std::function<unsigned(CInetConnectionAsync&)>;
    bool StartUpdateCheck(const std::wstring& firmwareText, UpdateCheckProc proc);
    // The same with the program's own check (UpdateCheckThreadProc).
    bool StartUpdateCheck(const std::wstring& firmwareText);
    bool UpdateCheckStarted() const { return updateCheckStarted_; }
    // The update thread's handle (null before the check starts).
    HANDLE UpdateThreadHandle() const { return update_ ? update_->Handle() : nullptr; }
    bool UpdateStopRequested() const { return updateStop_.load() != 0; }
    const std::wstring& FirmwareText() const { return firmwareText_; }
    const OnlineSettings& Settings() const { return settings_; }

private:
    unsigned MonitorThreadProc();
    bool Probe() const;
    bool ProbeThroughProxy(const wchar_t* url) const;
    bool ProbeDirect(const wchar_t* url, const RequestLimits& limits) const;
    BOOL ConnectedState(DWORD* flags) const;
    void ApplyRequestTimeouts(const InternetHandle& session) const;
    void PublishProbe(bool succeeded);
    void StopUpdateThread();

    const OnlineSettings settings_;

    std::unique_ptr<fw::WorkerThread> monitor_;
    std::unique_ptr<fw::WorkerThread> update_;
    ProbePause pause_;              // its stop is the monitor's stop flag
    ConnectivityState state_;       // the monitor thread's own
    std::atomic<uint32_t> online_{0};
    std::atomic<uint32_t> wentOffline_{0};
    std::atomic<uint32_t> wasOnline_{0};

    bool updateCheckStarted_ = false;
    std::atomic<uint32_t> updateStop_{0};
    fw::UniqueHandle updateQueueReady_;  // the update thread can take WM_QUIT from now on
    std::wstring firmwareText_;
};
