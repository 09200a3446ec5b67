#include "map/CGoogleMapDlgWrap.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

#include "FakeMapWindow.h"
#include "PageValues.h"
#include "PlayerEngine.h"
#include "map/MapMessages.h"
#include "ui/core/UiTextTable.h"

namespace {

using namespace std::chrono_literals;

bool WaitFor(const std::function<bool()>& done, std::chrono::milliseconds limit = 3s) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(5ms);
    }
    return true;
}

// A window that only takes posted messages, standing in for the main window.
class OwnerWindow {
public:
    OwnerWindow() : hwnd_(CreateWindowExW(0, L"STATIC", nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr)) {}
    ~OwnerWindow() { DestroyWindow(hwnd_); }
    HWND Handle() const { return hwnd_; }

    // (message, wParam, lParam) of what was posted, in order.
    std::vector<std::tuple<UINT, WPARAM, LPARAM>> TakePosted() const {
        std::vector<std::tuple<UINT, WPARAM, LPARAM>> posted;
        MSG m;
        while (PeekMessageW(&m, hwnd_, 0, 0, PM_REMOVE)) posted.emplace_back(m.message, m.wParam, m.lParam);
        return posted;
    }

private:
    HWND hwnd_;
};

// Restores the text row a test chose.
class TextRowScope {
public:
    explicit TextRowScope(int row) : saved_(UiTextVariant.exchange(row)) {}
    ~TextRowScope() { UiTextVariant = saved_; }

private:
    int saved_;
};

// The bridge with a monitor whose verdict the test sets, and a fake map
// page in the window the main window would have made.
class BridgeTest : public ::testing::Test {
protected:
    BridgeTest() : bridge_(Settings(), engine_) {}

    OnlineSettings Settings() {
        OnlineSettings settings;
        settings.mapHost = L"maps.test.invalid";
        settings.probeIntervalMs = 10;
        settings.probe = [this] { return reachable_.load(); };
        return settings;
    }

    FakeMapWindow& AdoptWebView() {
        auto window = std::make_unique<FakeMapWindow>(log_);
        FakeMapWindow& ref = *window;
        bridge_.AdoptWebViewWindow(std::move(window));
        return ref;
    }
    FakeMapWindow& AdoptBrowserControl() {
        auto window = std::make_unique<FakeMapWindow>(log_);
        FakeMapWindow& ref = *window;
        bridge_.AdoptBrowserControlWindow(std::move(window));
        return ref;
    }
    void GoOnline() {
        reachable_ = true;
        ASSERT_TRUE(WaitFor([&] { return bridge_.Connection().Online(); }));
    }
    void LoseConnection() {
        reachable_ = false;
        ASSERT_TRUE(WaitFor([&] { return !bridge_.Connection().Online(); }));
    }

    std::atomic<bool> reachable_{false};
    PlayerEngine engine_;  // never initialised here
    std::shared_ptr<MapWindowLog> log_ = std::make_shared<MapWindowLog>();
    CGoogleMapDlgWrap bridge_;
};

using Posted = std::vector<std::tuple<UINT, WPARAM, LPARAM>>;

TEST_F(BridgeTest, PageReadyIsPostedToTheOwnerEachTime) {
    OwnerWindow owner;
    bridge_.SetOwner(owner.Handle());
    EXPECT_FALSE(bridge_.PageReady());
    bridge_.OnInitHtml();
    EXPECT_TRUE(bridge_.PageReady());
    bridge_.OnInitHtml();  // the page loaded the library again
    EXPECT_EQ(owner.TakePosted(), (Posted{{WM_APP_MAP_READY, 0, 0}, {WM_APP_MAP_READY, 0, 0}}));
}

TEST_F(BridgeTest, ClickedEventPointPostsItsPositionOnly) {
    OwnerWindow owner;
    bridge_.SetOwner(owner.Handle());
    bridge_.OnClickCrashPoint(1, 2, 345, 1, 35.5, 139.7, 40.0, 90.0);
    bridge_.OnClickCrashPoint(0, 0, -5, 0, 0.0, 0.0, 0.0, 0.0);  // as the page gave it
    EXPECT_EQ(owner.TakePosted(), (Posted{{WM_APP_MAP_CRASH_CLICK, 0, 345}, {WM_APP_MAP_CRASH_CLICK, 0, -5}}));
    EXPECT_TRUE(log_->events.empty());
}

TEST_F(BridgeTest, WithoutOwnerNothingIsPosted) {
    bridge_.OnInitHtml();
    bridge_.OnClickCrashPoint(1, 2, 3, 1, 35.5, 139.7, 40.0, 90.0);
    MSG m;
    EXPECT_FALSE(PeekMessageW(&m, nullptr, WM_APP_MAP_READY, WM_APP_MAP_CRASH_CLICK, PM_REMOVE));
}

TEST_F(BridgeTest, ConnectTestAnswersTheMonitorsVerdict) {
    EXPECT_FALSE(bridge_.ConnectTest()) << "no verdict before the first probe";
    GoOnline();
    EXPECT_TRUE(bridge_.ConnectTest());
    bridge_.OnInitHtml();
    EXPECT_TRUE(bridge_.ConnectTest());
    EXPECT_TRUE(bridge_.PageReady()) << "an online answer leaves the page ready";
}

TEST_F(BridgeTest, TrackRedrawScriptsInOrderOnceThePageIsReady) {
    AdoptWebView();
    bridge_.RedrawTrack(2);
    EXPECT_TRUE(log_->Scripts().empty()) << "nothing before the page is ready";
    bridge_.OnInitHtml();
    bridge_.RedrawTrack(2);
    EXPECT_EQ(log_->Scripts(), (std::vector<std::wstring>{L"cplist.ClearCrashPos()", L"orbitgrplist.RemoveLineList()",
                                                         L"orbitgrplist.CreateLine()",
                                                         L"orbitgrplist.CreateGridLine(2)"}));
}

// Offline stops the redraws until the page reports ready again.
TEST_F(BridgeTest, OfflineAnswerTakesThePageOutOfReady) {
    AdoptBrowserControl();
    GoOnline();
    bridge_.OnInitHtml();
    LoseConnection();
    EXPECT_FALSE(bridge_.ConnectTest());
    EXPECT_FALSE(bridge_.PageReady());
    bridge_.RedrawTrack(0);
    EXPECT_TRUE(log_->Scripts().empty());

    bridge_.OnInitHtml();
    bridge_.RedrawTrack(0);
    EXPECT_EQ(log_->Scripts().size(), 4u);
}

TEST_F(BridgeTest, StatusByPlayStateIsAlwaysPushed) {
    FakeMapWindow& window = AdoptBrowserControl();
    bridge_.SetMapStatus(1);  // page not ready: pushed all the same
    bridge_.SetMapStatus(3);  // keeps "pause"
    bridge_.SetMapStatus(0);
    bridge_.SetMapStatus(2);
    EXPECT_EQ(log_->events, (std::vector<std::wstring>{
                                L"status:pause", L"push:pause",
                                L"push:pause",
                                L"status:", L"push:",
                                L"status:stop", L"script:orbitgrplist.MoveMarker()", L"push:stop",
                            }));
    EXPECT_EQ(window.StatusText(), L"stop");
}

TEST_F(BridgeTest, WithoutMapWindowStatusAndScriptsGoNowhere) {
    bridge_.OnInitHtml();
    bridge_.SetMapStatus(2);
    bridge_.RunScript(L"orbitgrplist.CreateLine()");
    bridge_.RedrawTrack(1);
    EXPECT_EQ(bridge_.MapWindow(), nullptr);
    EXPECT_EQ(bridge_.SetSend(), E_FAIL);
}

struct ShowCase {
    const char* name;
    bool window;
    bool visible;
    bool shownBefore;  // the map-shown flag, reached through ShowMap(TRUE)
    BOOL show;
    BOOL result;
    bool shownAfter;
    bool visibleAfter;
};

TEST_F(BridgeTest, ShowMapChangesOnlyWhatIsNotSoAlready) {
    const ShowCase cases[] = {
        {"show a hidden window", true, false, false, TRUE, TRUE, true, true},
        {"show an already visible window", true, true, false, TRUE, FALSE, false, true},
        {"show when already shown", true, false, true, TRUE, FALSE, true, false},
        {"show without window", false, false, false, TRUE, TRUE, true, false},
        {"hide a shown window", true, true, true, FALSE, TRUE, false, false},
        {"hide when not shown", true, true, false, FALSE, FALSE, false, true},
        {"hide a shown but invisible window", true, false, true, FALSE, FALSE, true, false},
        {"hide when shown without window", false, false, true, FALSE, FALSE, true, false},
    };
    for (const ShowCase& c : cases) {
        auto log = std::make_shared<MapWindowLog>();
        CGoogleMapDlgWrap bridge(Settings(), engine_);
        FakeMapWindow* window = nullptr;
        if (c.window) {
            auto made = std::make_unique<FakeMapWindow>(log);
            window = made.get();
            bridge.AdoptWebViewWindow(std::move(made));
        }
        if (c.shownBefore) {
            ASSERT_TRUE(bridge.ShowMap(TRUE)) << c.name;
        }
        if (window) window->SetVisible(c.visible);
        log->events.clear();

        EXPECT_EQ(bridge.ShowMap(c.show), c.result) << c.name;
        EXPECT_EQ(bridge.MapShown(), c.shownAfter) << c.name;
        if (window) {
            EXPECT_EQ(window->IsMapVisible(), c.visibleAfter) << c.name;
            const bool changed = c.result == TRUE;
            EXPECT_EQ(log->events.size(), changed ? 1u : 0u) << c.name;
            if (changed) {
                EXPECT_EQ(log->events[0], c.show ? L"show:" + std::to_wstring(SW_SHOWNORMAL) : L"show:0") << c.name;
            }
        }
    }
}

TEST_F(BridgeTest, UpdateMessageCarriesTheWebViewsPositionAndStatus) {
    FakeMapWindow& window = AdoptWebView();
    window.SetPosition(35.5, 139.7);
    bridge_.SetMapStatus(1);
    EXPECT_EQ(bridge_.SetSend(), S_OK);
    window.SetPosition(-33.86882, -151.209296);
    bridge_.SetMapStatus(0);
    EXPECT_EQ(bridge_.SetSend(), S_OK);
    EXPECT_EQ(log_->Posts(),
              (std::vector<std::wstring>{
                  L"{\"map_lat\":\"35.500000\",\"map_lng\":\"139.700000\",\"map_status\":\"pause\",\"val_command\":"
                  L"\"update\",\"val_end\":\"\"}",
                  L"{\"map_lat\":\"-33.868820\",\"map_lng\":\"-151.209296\",\"map_status\":\"\",\"val_command\":"
                  L"\"update\",\"val_end\":\"\"}",
              }));
}

TEST_F(BridgeTest, NoUpdateMessageBeforeTheWebViewExistsNorForTheBrowserControl) {
    FakeMapWindow& webView = AdoptWebView();
    webView.SetWebViewReady(false);
    EXPECT_EQ(bridge_.SetSend(), E_FAIL);
    AdoptBrowserControl();
    EXPECT_EQ(bridge_.SetSend(), E_FAIL);
    EXPECT_TRUE(log_->Posts().empty());
}

// Never both: the window adopted last is the only one.
TEST_F(BridgeTest, AdoptingAMapWindowDeletesTheOtherOne) {
    auto firstLog = std::make_shared<MapWindowLog>();
    bridge_.AdoptBrowserControlWindow(std::make_unique<FakeMapWindow>(firstLog));
    FakeMapWindow& webView = AdoptWebView();
    EXPECT_TRUE(firstLog->deleted);
    EXPECT_EQ(bridge_.MapWindow(), &webView);
    bridge_.RunScript(L"orbitgrplist.CreateLine()");
    EXPECT_EQ(log_->Scripts(), std::vector<std::wstring>{L"orbitgrplist.CreateLine()"});
    EXPECT_TRUE(firstLog->Scripts().empty());
}

// The page may still call in while its window goes: the monitor must
// still be there.
TEST(BridgeLifetime, MapWindowGoesBeforeTheMonitor) {
    auto log = std::make_shared<MapWindowLog>();
    bool monitorRanAtWindowDelete = false;
    {
        PlayerEngine engine;
        OnlineSettings settings;
        settings.probe = [] { return false; };
        CGoogleMapDlgWrap bridge(settings, engine);
        auto window = std::make_unique<FakeMapWindow>(log);
        window->OnDelete([&] {
            const HANDLE monitor = bridge.Connection().MonitorThreadHandle();
            monitorRanAtWindowDelete = monitor != nullptr && WaitForSingleObject(monitor, 0) == WAIT_TIMEOUT;
        });
        bridge.AdoptWebViewWindow(std::move(window));
    }
    EXPECT_TRUE(log->deleted);
    EXPECT_TRUE(monitorRanAtWindowDelete);
}

TEST_F(BridgeTest, MarkNamesByKindAndNothingOutsideTheKinds) {
    TextRowScope row(0);
    EXPECT_EQ(bridge_.GetMarkName(0).Text(), L"急加速");
    EXPECT_EQ(bridge_.GetMarkName(3).Text(), L"急下降");
    EXPECT_EQ(bridge_.GetMarkName(11).Text(), L"ドライブサポート　急ブレーキ");
    for (int kind : {12, -1}) {
        const OleString name = bridge_.GetMarkName(kind);
        ASSERT_NE(name.Get(), nullptr) << kind;
        EXPECT_EQ(name.Text(), L"") << kind;
    }
}

TEST_F(BridgeTest, TextsOfTheChosenRowAndNothingOutsideTheTable) {
    TextRowScope row(1);
    EXPECT_EQ(bridge_.GetRcString(48).Text(), L"完了しました。");
    EXPECT_EQ(bridge_.GetRcString(12).Text(), std::wstring(UiTextTable[1][12]));
    for (int slot : {144, 259, 260, -1, INT32_MIN}) {
        const OleString text = bridge_.GetRcString(slot);
        ASSERT_NE(text.Get(), nullptr) << slot;
        EXPECT_EQ(text.Text(), L"") << slot;
    }
}

TEST_F(BridgeTest, PositionNumberAsDecimalText) {
    EXPECT_EQ(bridge_.GetRelJpgNum().Text(), L"0");
    bridge_.SetPositionNumber(1234);
    EXPECT_EQ(bridge_.GetRelJpgNum().Text(), L"1234");
    bridge_.SetPositionNumber(-1);
    EXPECT_EQ(bridge_.GetRelJpgNum().Text(), L"-1");
}

TEST_F(BridgeTest, LoaderUrlOnTheConfiguredHost) {
    const std::wstring url = bridge_.GetMapURL().Text();
    const std::wstring start = L"https://maps.test.invalid/maps/api/js?key=";
    const std::wstring end = L"&v=3&sensor=false&callback=loadLibs";
    ASSERT_EQ(url.size(), start.size() + 39 + end.size()) << std::string(url.begin(), url.end());
    EXPECT_EQ(url.substr(0, start.size()), start);
    EXPECT_EQ(url.substr(start.size() + 39), end);
}

TEST_F(BridgeTest, DebugLinesDoNothing) {
    OwnerWindow owner;
    bridge_.SetOwner(owner.Handle());
    AdoptWebView();
    bridge_.DEBLOG(L"OrbitGrpList 12");
    EXPECT_TRUE(log_->events.empty());
    EXPECT_TRUE(owner.TakePosted().empty());
}

// Every page call is answered before the engine is set up.
TEST_F(BridgeTest, TracksBeforeTheEngineIsInitialised) {
    const std::vector<PageElement> group = PageArray(bridge_.GetGPSData());
    ASSERT_EQ(group.size(), 1u);
    EXPECT_EQ(group[0].type, VT_I4);
    EXPECT_EQ(group[0].integer, 0);
    EXPECT_EQ(bridge_.GetGridData(L"0").Type(), VT_EMPTY);
    EXPECT_EQ(PlayerEngineWaiters, 0u);
}

}  // namespace
