#include "map/CInetConnectionAsync.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "LoopbackHttpServer.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr wchar_t kTestKey[] = L"Software\\Ostrilex\\Tests\\InternetSettings";
constexpr wchar_t kProviderPage[] = L"http://map-provider.test.invalid/";

bool WaitFor(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    const auto deadline = Clock::now() + limit;
    while (!done()) {
        if (Clock::now() > deadline) return false;
        std::this_thread::sleep_for(5ms);
    }
    return true;
}

std::chrono::milliseconds TimeOf(const std::function<void()>& action) {
    const auto start = Clock::now();
    action();
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
}

bool StartsWith(const std::string& text, const std::string& start) { return text.compare(0, start.size(), start) == 0; }

// The request line a proxy receives: the absolute URL (with or without
// the default port) of what was asked for.
bool AsksProxyFor(const std::string& request, const std::string& host, const std::string& path) {
    const std::string line = request.substr(0, request.find("\r\n"));
    return line == "GET http://" + host + path + " HTTP/1.1" || line == "GET http://" + host + ":80" + path + " HTTP/1.1";
}

// The connectivity monitor and its sessions against servers of the test's
// own: the map provider's stand-in, and a proxy, whose address the test
// writes where the user's proxy setting is read.
class OnlineTest : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey); }
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey); }

    static void SetProxyServer(const std::wstring& text) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kTestKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExW(key, L"ProxyServer", 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
        RegCloseKey(key);
    }
    static std::wstring ProxyAt(const LoopbackHttpServer& proxy) { return L"127.0.0.1:" + std::to_wstring(proxy.Port()); }

    // The machine as it says it is connected: directly, or through a proxy.
    static OnlineSettings Settings(const std::wstring& probeUrl, bool viaProxy, DWORD intervalMs = 100) {
        OnlineSettings settings;
        settings.probeUrl = probeUrl;
        settings.probeIntervalMs = intervalMs;
        settings.proxyKeyPath = kTestKey;
        settings.connectedState = [viaProxy](DWORD* flags) {
            *flags = INTERNET_CONNECTION_LAN | (viaProxy ? INTERNET_CONNECTION_PROXY : 0);
            return TRUE;
        };
        return settings;
    }
    static OnlineSettings NotConnected() {
        OnlineSettings settings = Settings(L"", false);
        settings.connectedState = [](DWORD* flags) {
            *flags = 0;
            return FALSE;
        };
        return settings;
    }
};

TEST_F(OnlineTest, OnlineOnceTheProviderAnswers) {
    LoopbackHttpServer provider(LoopbackHttpServer::Reply::Ok);
    ASSERT_TRUE(provider.Listening());
    OnlineSettings settings;  // the machine's own connected state
    settings.probeUrl = provider.Url();
    settings.probeIntervalMs = 500;
    CInetConnectionAsync monitor(settings);
    EXPECT_FALSE(monitor.Online()) << "the first verdict comes after a pause";
    ASSERT_TRUE(WaitFor([&] { return monitor.Online(); }, 3s));
    EXPECT_TRUE(monitor.WasOnline());
    EXPECT_FALSE(monitor.WentOffline());
    EXPECT_TRUE(WaitFor([&] { return provider.Connections() >= 1; }, 1s)) << "the provider was reached";
}

TEST_F(OnlineTest, OfflineWhileNothingAnswers) {
    CInetConnectionAsync monitor(
        Settings(L"http://127.0.0.1:" + std::to_wstring(LoopbackHttpServer::ClosedPort()) + L"/", false));
    std::this_thread::sleep_for(600ms);
    EXPECT_FALSE(monitor.Online());
    EXPECT_FALSE(monitor.WasOnline());
    EXPECT_FALSE(monitor.WentOffline());
}

TEST_F(OnlineTest, DisconnectedMachineIsOfflineWithoutTrying) {
    LoopbackHttpServer provider(LoopbackHttpServer::Reply::Ok);
    OnlineSettings settings = NotConnected();
    settings.probeUrl = provider.Url();
    CInetConnectionAsync monitor(settings);
    std::this_thread::sleep_for(500ms);
    EXPECT_FALSE(monitor.Online());
    EXPECT_EQ(provider.Connections(), 0);
}

TEST_F(OnlineTest, OnlineThroughTheUsersProxy) {
    LoopbackHttpServer proxy(LoopbackHttpServer::Reply::Ok);
    SetProxyServer(ProxyAt(proxy));
    CInetConnectionAsync monitor(Settings(kProviderPage, true));
    ASSERT_TRUE(WaitFor([&] { return monitor.Online(); }, 3s));
    const std::vector<std::string> requests = proxy.Requests();
    ASSERT_FALSE(requests.empty());
    EXPECT_TRUE(AsksProxyFor(requests[0], "map-provider.test.invalid", "/")) << requests[0];
    EXPECT_NE(requests[0].find("\r\nAccept: */*"), std::string::npos) << requests[0];
}

TEST_F(OnlineTest, ProxyThatDoesNotAnswerMeansOffline) {
    LoopbackHttpServer proxy(LoopbackHttpServer::Reply::Hangup);
    SetProxyServer(ProxyAt(proxy));
    CInetConnectionAsync monitor(Settings(kProviderPage, true));
    ASSERT_TRUE(WaitFor([&] { return proxy.Connections() >= 2; }, 3s));
    EXPECT_FALSE(monitor.Online());
}

TEST_F(OnlineTest, OnceLostTheConnectionStaysLost) {
    uint16_t port = 0;
    auto provider = std::make_unique<LoopbackHttpServer>(LoopbackHttpServer::Reply::Ok);
    port = provider->Port();
    CInetConnectionAsync monitor(Settings(provider->Url(), false));
    ASSERT_TRUE(WaitFor([&] { return monitor.Online(); }, 3s));

    provider.reset();
    ASSERT_TRUE(WaitFor([&] { return !monitor.Online(); }, 3s));
    EXPECT_TRUE(monitor.WentOffline());

    LoopbackHttpServer back(LoopbackHttpServer::Reply::Ok, port);
    ASSERT_TRUE(back.Listening());
    ASSERT_TRUE(WaitFor([&] { return back.Connections() >= 3; }, 3s)) << "the provider answers again";
    EXPECT_FALSE(monitor.Online());
    EXPECT_TRUE(monitor.WasOnline());
}

TEST_F(OnlineTest, MonitorStopsWithinASecondOfItsFlag) {
    LoopbackHttpServer provider(LoopbackHttpServer::Reply::Ok);
    CInetConnectionAsync monitor(Settings(provider.Url(), false, 1000));
    ASSERT_TRUE(WaitFor([&] { return monitor.Online(); }, 3s));
    EXPECT_LT(TimeOf([&] { monitor.StopMonitor(); }), 500ms) << "well within a second";
    EXPECT_EQ(monitor.MonitorThreadHandle(), nullptr);
    std::this_thread::sleep_for(200ms);  // the server takes up the last probe's connection
    const int probes = provider.Connections();
    std::this_thread::sleep_for(1200ms);
    EXPECT_EQ(provider.Connections(), probes) << "no probe after the stop";
}

// A proxy that takes the request and never answers holds a probe only
// until the request limit.
TEST_F(OnlineTest, StopDuringAProbeThatGetsNoAnswerIsBounded) {
    LoopbackHttpServer proxy(LoopbackHttpServer::Reply::Silent);
    SetProxyServer(ProxyAt(proxy));
    OnlineSettings settings = Settings(kProviderPage, true, 50);
    settings.requestTimeoutMs = 500;
    CInetConnectionAsync monitor(settings);
    ASSERT_TRUE(WaitFor([&] { return !proxy.Requests().empty(); }, 3s));
    EXPECT_LT(TimeOf([&] { monitor.StopMonitor(); }), 1500ms);
    EXPECT_FALSE(monitor.Online());
}

// The same without a proxy: a provider that takes the connection and never
// answers is offline, and neither the monitor's stop nor the update check's
// session waits past the request limit for it.
TEST_F(OnlineTest, DirectProbeOfAServerThatNeverAnswersIsBounded) {
    LoopbackHttpServer provider(LoopbackHttpServer::Reply::Silent);
    OnlineSettings settings = Settings(provider.Url(), false, 50);
    settings.requestTimeoutMs = 500;
    settings.versionReceiveTimeoutMs = 500;
    CInetConnectionAsync monitor(settings);
    ASSERT_TRUE(WaitFor([&] { return provider.Connections() >= 1; }, 3s));
    EXPECT_LT(TimeOf([&] { monitor.StopMonitor(); }), 1500ms);
    EXPECT_FALSE(monitor.Online());
    EXPECT_LT(TimeOf([&] { EXPECT_FALSE(monitor.OpenCheckedSession(provider.Url().c_str())); }), 1500ms);
}

// Should its wake-up event not be made, the monitor still pauses between
// probes (rather than ending at once and staying offline) and still stops.
TEST_F(OnlineTest, PauseWithoutItsEventStillRunsAndStops) {
    ProbePause pause{fw::UniqueHandle()};
    EXPECT_TRUE(pause.Wait(50));
    std::thread stopper([&] {
        std::this_thread::sleep_for(100ms);
        pause.Stop();
    });
    EXPECT_LT(TimeOf([&] { EXPECT_FALSE(pause.Wait(60000)); }), 2000ms);
    stopper.join();
}

// A session is usable for what the update check fetches.
std::string FetchHead(const InternetHandle& session, const std::wstring& url, const LoopbackHttpServer& server) {
    const size_t before = server.Requests().size();
    InternetHandle request(InternetOpenUrlW(session.Get(), url.c_str(), nullptr, 0, INTERNET_FLAG_NO_CACHE_WRITE, 0));
    if (!request) return "no request";
    const std::vector<std::string> requests = server.Requests();
    return requests.size() > before ? requests.back() : "nothing arrived";
}

TEST_F(OnlineTest, CheckedSessionDirect) {
    LoopbackHttpServer web(LoopbackHttpServer::Reply::Ok);
    CInetConnectionAsync monitor(NotConnected());  // the monitor itself stays out of the way

    CInetConnectionAsync connected(Settings(L"", false, 60000));
    const InternetHandle session = connected.OpenCheckedSession(web.Url(L"/check.txt").c_str());
    ASSERT_TRUE(session);
    EXPECT_TRUE(StartsWith(FetchHead(session, web.Url(L"/version.txt"), web), "GET /version.txt HTTP/1."));

    ASSERT_TRUE(WaitFor([&] { return web.Connections() >= 2; }, 1s)) << "the check and the fetch";
    const int before = web.Connections();
    EXPECT_TRUE(connected.OpenCheckedSession(nullptr)) << "nothing to check";
    EXPECT_EQ(web.Connections(), before);
    const std::wstring closed = L"http://127.0.0.1:" + std::to_wstring(LoopbackHttpServer::ClosedPort()) + L"/";
    EXPECT_FALSE(connected.OpenCheckedSession(closed.c_str()));
    EXPECT_FALSE(monitor.OpenCheckedSession(web.Url().c_str())) << "a disconnected machine";
    EXPECT_FALSE(monitor.OpenCheckedSession(nullptr));
}

TEST_F(OnlineTest, CheckedSessionThroughTheProxy) {
    LoopbackHttpServer proxy(LoopbackHttpServer::Reply::Ok);
    SetProxyServer(ProxyAt(proxy));
    CInetConnectionAsync monitor(Settings(kProviderPage, true, 60000));

    const InternetHandle session = monitor.OpenCheckedSession(L"http://updates.test.invalid/check.txt");
    ASSERT_TRUE(session);
    ASSERT_FALSE(proxy.Requests().empty());
    EXPECT_TRUE(AsksProxyFor(proxy.Requests()[0], "updates.test.invalid", "/check.txt")) << proxy.Requests()[0];
    EXPECT_TRUE(AsksProxyFor(FetchHead(session, L"http://updates.test.invalid/version.txt", proxy),
                             "updates.test.invalid", "/version.txt"))
        << "the session goes through the proxy too";
}

TEST_F(OnlineTest, CheckedSessionThroughAProxyThatHangsUp) {
    LoopbackHttpServer proxy(LoopbackHttpServer::Reply::Hangup);
    SetProxyServer(ProxyAt(proxy));
    CInetConnectionAsync monitor(Settings(kProviderPage, true, 60000));
    EXPECT_FALSE(monitor.OpenCheckedSession(L"http://updates.test.invalid/check.txt"));
    EXPECT_EQ(proxy.Connections(), 1);
}

TEST_F(OnlineTest, SessionThroughTheProxySetting) {
    LoopbackHttpServer proxy(LoopbackHttpServer::Reply::Ok);
    CInetConnectionAsync monitor(Settings(kProviderPage, true, 60000));
    EXPECT_FALSE(monitor.OpenSession()) << "no setting";
    SetProxyServer(L"127.0.0.1");
    EXPECT_FALSE(monitor.OpenSession()) << "no port";
    SetProxyServer(ProxyAt(proxy));
    const InternetHandle session = monitor.OpenSession();
    ASSERT_TRUE(session);
    EXPECT_TRUE(AsksProxyFor(FetchHead(session, kProviderPage, proxy), "map-provider.test.invalid", "/"));
}

// The update check's thread, as its procedure will run: a message loop
// that ends on WM_QUIT.
unsigned MessageLoop(CInetConnectionAsync& owner, std::atomic<int>& stopSeenAtQuit, std::wstring& firmware) {
    firmware = owner.FirmwareText();
    MSG m;
    while (GetMessageW(&m, nullptr, 0, 0) > 0) {
        DispatchMessageW(&m);
    }
    stopSeenAtQuit = owner.UpdateStopRequested() ? 1 : 0;
    return 0;
}

OnlineSettings Quiet() {
    OnlineSettings settings;
    settings.probe = [] { return false; };
    return settings;
}

TEST_F(OnlineTest, UpdateCheckRunsOnceAndEndsWithTheObject) {
    std::atomic<int> stopSeen{-1};
    std::wstring firmware;
    auto monitor = std::make_unique<CInetConnectionAsync>(Quiet());
    EXPECT_FALSE(monitor->UpdateCheckStarted());
    ASSERT_TRUE(monitor->StartUpdateCheck(L"1.2.3", [&](CInetConnectionAsync& o) { return MessageLoop(o, stopSeen, firmware); }));
    EXPECT_TRUE(monitor->UpdateCheckStarted());
    EXPECT_FALSE(monitor->StartUpdateCheck(L"9.9.9", [](CInetConnectionAsync&) { return 0u; }));
    EXPECT_EQ(monitor->FirmwareText(), L"1.2.3");

    std::this_thread::sleep_for(100ms);
    EXPECT_LT(TimeOf([&] { monitor.reset(); }), 1000ms);
    EXPECT_EQ(stopSeen, 1) << "the stop flag is up before WM_QUIT";
    EXPECT_EQ(firmware, L"1.2.3");
}

// WM_QUIT must not be lost when the object goes while the thread starts.
TEST_F(OnlineTest, UpdateCheckStoppedRightAfterItsStart) {
    for (int i = 0; i < 20; ++i) {
        std::atomic<int> stopSeen{-1};
        std::wstring firmware;
        auto monitor = std::make_unique<CInetConnectionAsync>(Quiet());
        monitor->StartUpdateCheck(L"", [&](CInetConnectionAsync& o) { return MessageLoop(o, stopSeen, firmware); });
        ASSERT_LT(TimeOf([&] { monitor.reset(); }), 1000ms) << "round " << i;
        EXPECT_EQ(stopSeen, 1);
    }
}

}  // namespace
