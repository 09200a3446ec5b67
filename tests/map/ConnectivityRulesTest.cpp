#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "map/core/ConnectivityState.h"
#include "map/core/ProxySetting.h"

namespace {

struct Verdict {
    bool online;
    bool wasOnline;
    bool wentOffline;
};

Verdict After(const std::vector<bool>& probes) {
    ConnectivityState state;
    for (bool succeeded : probes) {
        state.RecordProbe(succeeded);
    }
    return {state.Online(), state.WasOnline(), state.WentOffline()};
}

struct StateCase {
    const char* name;
    std::vector<bool> probes;
    Verdict expected;
};

TEST(ConnectivityState, FollowsTheProbesUntilTheFirstLoss) {
    const std::vector<StateCase> cases = {
        {"before any probe", {}, {false, false, false}},
        {"first success", {true}, {true, true, false}},
        {"offline from the start", {false, false}, {false, false, false}},
        {"offline, then a success", {false, false, true}, {true, true, false}},
        {"online, online", {true, true}, {true, true, false}},
        {"online, then a failure", {true, false}, {false, true, true}},
        {"a lost connection stays lost", {true, false, true, true}, {false, true, true}},
        {"late loss", {false, true, true, false, true}, {false, true, true}},
    };
    for (const StateCase& c : cases) {
        const Verdict v = After(c.probes);
        EXPECT_EQ(v.online, c.expected.online) << c.name;
        EXPECT_EQ(v.wasOnline, c.expected.wasOnline) << c.name;
        EXPECT_EQ(v.wentOffline, c.expected.wentOffline) << c.name;
    }
}

struct ProxyCase {
    std::optional<UiString> setting;
    UiString host;
    uint16_t port;
    UiString text;
};

TEST(ProxySetting, HostAndPortFromTheSetting) {
    const std::vector<ProxyCase> cases = {
        {UiString(UI_TEXT("proxy.example:8080")), UI_TEXT("proxy.example"), 8080, UI_TEXT("proxy.example:8080")},
        {UiString(UI_TEXT("127.0.0.1:3128")), UI_TEXT("127.0.0.1"), 3128, UI_TEXT("127.0.0.1:3128")},
        // the number kept to 16 bits, as a port is
        {UiString(UI_TEXT("proxy:70000")), UI_TEXT("proxy"), 4464, UI_TEXT("proxy:4464")},
        {UiString(UI_TEXT("proxy:65536")), UI_TEXT("proxy"), 0, UI_TEXT("proxy:0")},
        // split at the first ':'; the number ends at the first non-digit
        {UiString(UI_TEXT("http=proxy:8080;https=other:443")), UI_TEXT("http=proxy"), 8080,
         UI_TEXT("http=proxy:8080")},
        {UiString(UI_TEXT("proxy: 81")), UI_TEXT("proxy"), 81, UI_TEXT("proxy:81")},
        {UiString(UI_TEXT("proxy:")), UI_TEXT("proxy"), 0, UI_TEXT("proxy:0")},
        {UiString(UI_TEXT("proxy:x8080")), UI_TEXT("proxy"), 0, UI_TEXT("proxy:0")},
        // nothing to go through
        {UiString(UI_TEXT("proxy.example")), UI_TEXT(""), 0, UI_TEXT(":0")},
        {UiString(), UI_TEXT(""), 0, UI_TEXT(":0")},
        {std::nullopt, UI_TEXT(""), 0, UI_TEXT(":0")},
    };
    for (const ProxyCase& c : cases) {
        const ProxyAddress proxy = ParseProxyServer(c.setting);
        const std::string shown(c.text.begin(), c.text.end());
        EXPECT_EQ(proxy.host, c.host) << shown;
        EXPECT_EQ(proxy.port, c.port) << shown;
        EXPECT_EQ(ProxyText(proxy), c.text) << shown;
    }
}

TEST(ProxySetting, OverlongHostIsCutToItsLimit) {
    const UiString host(5000, UiChar('h'));
    const ProxyAddress proxy = ParseProxyServer(host + UI_TEXT(":8080"));
    EXPECT_EQ(proxy.host, UiString(kProxyHostLimit, UiChar('h')));
    EXPECT_EQ(proxy.port, 8080);
}

}  // namespace
