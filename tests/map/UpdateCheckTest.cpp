#include "map/UpdateCheck.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <chrono>
#include <map>
#include <memory>
#include <optional>

#include "LoopbackHttpServer.h"
#include "map/CInetConnectionAsync.h"
#include "map/CUpdateDialog.h"
#include "ui/core/UiTextTable.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr char kFirmwarePath[] = "/fw.txt";
constexpr char kViewerPath[] = "/viewer.txt";

// The maker's server: each path's response, everything else a 404.
LoopbackHttpServer::Responder Files(std::map<std::string, LoopbackHttpServer::Response> files) {
    return [files](const std::string& head) {
        const std::string path = head.substr(4, head.find(' ', 4) - 4);
        const auto found = files.find(path);
        return found != files.end() ? found->second
                                    : LoopbackHttpServer::Response{LoopbackHttpServer::HttpResponse("404 Not Found", "VER:9")};
    };
}

LoopbackHttpServer::Response Ok(const std::string& body, int delayMs = 0) {
    return {LoopbackHttpServer::HttpResponse("200 OK", body), delayMs};
}

// A monitor that never probes, on a machine that says it is connected,
// with the update addresses on the test's server.
OnlineSettings Settings(const LoopbackHttpServer& server) {
    OnlineSettings settings;
    settings.probe = [] { return false; };
    settings.probeIntervalMs = 60000;
    settings.connectedState = [](DWORD* flags) { return *flags = INTERNET_CONNECTION_LAN, TRUE; };
    settings.firmwareVersionUrl = server.Url(L"/fw.txt");
    settings.viewerVersionUrl = server.Url(L"/viewer.txt");
    settings.firmwarePage = L"http://updates.test.invalid/fw.html";
    settings.viewerPage = L"http://updates.test.invalid/viewer.html";
    return settings;
}

HWND UpdateDialog() { return FindWindowW(nullptr, UiText(108)); }

struct FetchCase {
    const char* name;
    LoopbackHttpServer::Response response;
    std::optional<std::wstring> version;
};

TEST(UpdateCheck, FetchesOneVersionFile) {
    const FetchCase cases[] = {
        {"a version", Ok("VER:1.2.3.4"), L"1.2.3.4"},
        {"no marker", Ok("1.2.3.4"), std::nullopt},
        {"an empty file", Ok(""), L""},
        {"an error page", {LoopbackHttpServer::HttpResponse("404 Not Found", "VER:1.0.0")}, std::nullopt},
        {"a version too long to be one", Ok("VER:" + std::string(600, '7')), std::nullopt},
        {"slower than a probe may take", Ok("VER:2.0", 800), L"2.0"},
    };
    for (const FetchCase& c : cases) {
        LoopbackHttpServer server(Files({{kFirmwarePath, c.response}}));
        OnlineSettings settings = Settings(server);
        settings.requestTimeoutMs = 300;
        CInetConnectionAsync monitor(settings);
        EXPECT_EQ(FetchVersion(monitor, settings.firmwareVersionUrl), c.version) << c.name;
    }
    CInetConnectionAsync monitor(Settings(LoopbackHttpServer(Files({}))));
    EXPECT_EQ(FetchVersion(monitor, L"http://127.0.0.1:" + std::to_wstring(LoopbackHttpServer::ClosedPort()) + L"/v.txt"),
              std::nullopt)
        << "nothing listening";
}

TEST(UpdateCheck, NewerVersionsShowTheDialogWithItsTwoLinks) {
    LoopbackHttpServer server(Files({{kFirmwarePath, Ok("VER:1.2.4.0")}, {kViewerPath, Ok("VER:1.1.0")}}));
    const OnlineSettings settings = Settings(server);
    auto monitor = std::make_unique<CInetConnectionAsync>(settings);
    ASSERT_TRUE(monitor->StartUpdateCheck(L"1.2.3.9"));
    HWND dialog = nullptr;
    for (const auto deadline = Clock::now() + 10s; !(dialog = UpdateDialog()) && Clock::now() < deadline;) Sleep(10);
    ASSERT_NE(dialog, nullptr);
    const HWND link = GetDlgItem(dialog, 1007);
    for (const auto& [index, page] : {std::pair{0, settings.firmwarePage}, std::pair{1, settings.viewerPage}}) {
        LITEM item{};
        item.mask = LIF_ITEMINDEX | LIF_URL;
        item.iLink = index;
        ASSERT_TRUE(SendMessageW(link, LM_GETITEM, 0, reinterpret_cast<LPARAM>(&item)));
        EXPECT_EQ(std::wstring(item.szUrl), page);
    }
    const auto start = Clock::now();
    monitor.reset();
    EXPECT_LT(Clock::now() - start, 2s);
    EXPECT_FALSE(IsWindow(dialog));
}

// A server that takes the request and never answers holds the program's
// end only as long as the fetch may wait.
TEST(UpdateCheck, ShutdownDuringAFetchThatGetsNoAnswerIsBounded) {
    LoopbackHttpServer server(LoopbackHttpServer::Reply::Silent);
    OnlineSettings settings = Settings(server);
    settings.versionReceiveTimeoutMs = 1000;
    auto monitor = std::make_unique<CInetConnectionAsync>(settings);
    ASSERT_TRUE(monitor->StartUpdateCheck(L"1.0"));
    for (const auto deadline = Clock::now() + 5s; server.Requests().empty() && Clock::now() < deadline;) Sleep(10);
    ASSERT_FALSE(server.Requests().empty());
    const auto start = Clock::now();
    monitor.reset();
    EXPECT_LT(Clock::now() - start, 3s);
    EXPECT_EQ(UpdateDialog(), nullptr);
}

TEST(UpdateCheck, DialogOpensOnlyItsOwnPagesAndHidesOnClose) {
    const UpdatePages pages{L"http://updates.test.invalid/fw.html", L"http://updates.test.invalid/viewer.html"};
    CUpdateDialog dialog(L"<a href=\"http://elsewhere.test.invalid/\">x</a>", pages);
    std::vector<std::wstring> opened;
    dialog.SetPageOpener([&](HWND, const std::wstring& url) { opened.push_back(url); });
    ASSERT_TRUE(dialog.CreateModeless(nullptr));
    for (const std::wstring& url : {std::wstring(L"http://elsewhere.test.invalid/"), pages.viewer}) {
        NMLINK click{};
        click.hdr = {dialog.Item(1007), 1007, static_cast<UINT>(NM_CLICK)};
        wcscpy_s(click.item.szUrl, url.c_str());
        dialog.Send(WM_NOTIFY, 1007, reinterpret_cast<LPARAM>(&click));
    }
    EXPECT_EQ(opened, std::vector<std::wstring>{pages.viewer});
    dialog.Show(SW_SHOW);
    dialog.Send(WM_COMMAND, IDCANCEL);
    EXPECT_TRUE(IsWindow(dialog.Handle()));
    EXPECT_FALSE(dialog.IsVisible());
}

}  // namespace
