#include "map/CInetConnectionAsync.h"

#include "map/InternetRequest.h"
#include "map/ProxyRegistry.h"
#include "map/UpdateCheck.h"
#include "map/core/ProxySetting.h"

namespace {

constexpr wchar_t kProxyValueName[] = L"ProxyServer";

}  // namespace

CInetConnectionAsync::CInetConnectionAsync(OnlineSettings settings)
    : settings_(std::move(settings)) {
    monitor_ = std::make_unique<fw::WorkerThread>([this] { return MonitorThreadProc(); });
    monitor_->Resume();
}

CInetConnectionAsync::~CInetConnectionAsync() {
    StopUpdateThread();
    StopMonitor();
}

void CInetConnectionAsync::StopMonitor() {
    if (!monitor_) {
        return;
    }
    pause_.Stop();
    monitor_->Wait(INFINITE);
    monitor_.reset();
}

unsigned CInetConnectionAsync::MonitorThreadProc() {
    // The pause comes first, so the first verdict is a second away; a stop
    // during the pause ends the thread without another probe.
    while (pause_.Wait(settings_.probeIntervalMs)) {
        PublishProbe(Probe());
    }
    return 0;
}

void CInetConnectionAsync::PublishProbe(bool succeeded) {
    state_.RecordProbe(succeeded);
    wasOnline_ = state_.WasOnline() ? 1 : 0;
    wentOffline_ = state_.WentOffline() ? 1 : 0;
    online_ = state_.Online() ? 1 : 0;
}

bool CInetConnectionAsync::Probe() const {
    if (settings_.probe) {
        return settings_.probe();
    }
    DWORD flags = 0;
    if (!ConnectedState(&flags)) {
        return false;
    }
    if ((flags & INTERNET_CONNECTION_PROXY) != 0) {
        return ProbeThroughProxy(settings_.probeUrl.c_str());
    }
    return ProbeDirect(settings_.probeUrl.c_str(), RequestLimits::All(settings_.requestTimeoutMs));
}

// The system's own connection check has no time limit: a server that takes
// the connection and never answers, or a network that swallows it, would
// hold the monitor, and with it the program's end, for as long as the
// system waits. A request of our own carries the same limits as the proxy
// path's.
bool CInetConnectionAsync::ProbeDirect(const wchar_t* url, const RequestLimits& limits) const {
    const InternetHandle session(InternetOpenW(nullptr, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    if (!session) {
        return false;
    }
    return InternetRequest::Send(session.Get(), url, kAcceptAnyHeaders, INTERNET_FLAG_NO_CACHE_WRITE, limits)
        .Answered();
}

// Probes never write to the cache: an old copy of the page proves nothing.
// Any answer counts, since the provider's root page need not be a page.
bool CInetConnectionAsync::ProbeThroughProxy(const wchar_t* url) const {
    const InternetHandle session = OpenSession();
    if (!session) {
        return false;
    }
    return InternetRequest::Send(session.Get(), url, kAcceptAnyHeaders, INTERNET_FLAG_NO_CACHE_WRITE,
                                 RequestLimits::All(settings_.requestTimeoutMs))
        .Answered();
}

BOOL CInetConnectionAsync::ConnectedState(DWORD* flags) const {
    return settings_.connectedState ? settings_.connectedState(flags) : InternetGetConnectedState(flags, 0);
}

// Where the platform hands a session's limits down to its requests, this
// bounds what the update check fetches through the session too.
void CInetConnectionAsync::ApplyRequestTimeouts(const InternetHandle& session) const {
    DWORD timeout = settings_.requestTimeoutMs;
    for (DWORD option : {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT, INTERNET_OPTION_RECEIVE_TIMEOUT}) {
        InternetSetOptionW(session.Get(), option, &timeout, sizeof timeout);
    }
}

InternetHandle CInetConnectionAsync::OpenSession() const {
    const ProxyAddress proxy = ParseProxyServer(
        ReadRegistryText(settings_.proxyRoot, settings_.proxyKeyPath.c_str(), kProxyValueName));
    // Without a host there is no proxy to go through; a session to ":0"
    // could only fail later.
    if (proxy.host.empty()) {
        return {};
    }
    InternetHandle session(InternetOpenW(nullptr, INTERNET_OPEN_TYPE_PROXY, ProxyText(proxy).c_str(), nullptr, 0));
    if (session) {
        ApplyRequestTimeouts(session);
    }
    return session;
}

InternetHandle CInetConnectionAsync::OpenCheckedSession(const wchar_t* url) const {
    DWORD flags = 0;
    if (!ConnectedState(&flags)) {
        return {};
    }
    if ((flags & INTERNET_CONNECTION_PROXY) != 0) {
        if (url != nullptr && !ProbeThroughProxy(url)) {
            return {};
        }
        return OpenSession();
    }
    // The check asks for what the fetch will, so it may wait for the answer
    // as long as the fetch may.
    const RequestLimits fetchLimits{settings_.requestTimeoutMs, settings_.requestTimeoutMs,
                                    settings_.versionReceiveTimeoutMs};
    if (url != nullptr && !ProbeDirect(url, fetchLimits)) {
        return {};
    }
    InternetHandle session(InternetOpenW(nullptr, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    if (session) {
        ApplyRequestTimeouts(session);
    }
    return session;
}

bool CInetConnectionAsync::StartUpdateCheck(const std::wstring& firmwareText, UpdateCheckProc proc) {
    if (updateCheckStarted_) {
        return false;
    }
    updateCheckStarted_ = true;
    firmwareText_ = firmwareText;
    updateQueueReady_.Reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    update_ = std::make_unique<fw::WorkerThread>([this, proc = std::move(proc)] {
        // The queue exists before the procedure runs, so the WM_QUIT of
        // shutdown always has somewhere to go.
        MSG message;
        PeekMessageW(&message, nullptr, WM_USER, WM_USER, PM_NOREMOVE);
        SetEvent(updateQueueReady_.Get());
        return proc ? proc(*this) : 0u;
    });
    if (!update_->Created()) {
        update_.reset();
        return false;
    }
    return update_->Resume();
}

bool CInetConnectionAsync::StartUpdateCheck(const std::wstring& firmwareText) {
    return StartUpdateCheck(firmwareText, UpdateCheckThreadProc);
}

void CInetConnectionAsync::StopUpdateThread() {
    if (!update_) {
        return;
    }
    updateStop_ = 1;
    const HANDLE readyOrEnded[] = {updateQueueReady_.Get(), update_->Handle()};
    if (WaitForMultipleObjects(2, readyOrEnded, FALSE, INFINITE) == WAIT_OBJECT_0) {
        PostThreadMessageW(update_->ThreadId(), WM_QUIT, 0, 0);
    }
    update_->Wait(INFINITE);
    update_.reset();
}
