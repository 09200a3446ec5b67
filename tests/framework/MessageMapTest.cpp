#include "framework/Window.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "support/HostWindow.h"

namespace {

constexpr UINT WM_APP_PING = WM_APP + 1;
constexpr UINT WM_APP_OTHER = WM_APP + 2;

// A window that logs which handler each message reached.
class LoggingWindow : public fw::Window {
public:
    std::vector<std::wstring> log;

    bool CreatePopup() {
        fw::WindowArgs args;
        args.style = WS_POPUP;
        args.rect = {0, 0, 100, 100};
        args.text = L"logging";
        return Create(args);
    }

protected:
    const fw::MessageMap& GetMessageMap() const override {
        static const fw::MessageMap map(&fw::Window::GetMessageMap(), {
            fw::OnMessage(WM_APP_PING, &LoggingWindow::OnPing),
            fw::OnMessage(WM_APP_OTHER, &LoggingWindow::OnOther),
            fw::OnCommand(38000, &LoggingWindow::OnStop),
            fw::OnCommandRange(38600, 38602, &LoggingWindow::OnToggle),
            fw::OnControlCommand(CBN_SELCHANGE, 1003, &LoggingWindow::OnSelChange),
            fw::OnNotify(NM_CLICK, 1007, &LoggingWindow::OnLinkClick),
        });
        return map;
    }

    LRESULT Log(const std::wstring& entry, LRESULT result) {
        log.push_back(entry);
        return result;
    }

private:
    LRESULT OnPing(const fw::Message& m) { return Log(L"ping " + std::to_wstring(m.wParam), 42); }
    LRESULT OnOther(const fw::Message&) { return Log(L"other", 1); }
    LRESULT OnStop(const fw::Message&) { return Log(L"stop", 0); }
    LRESULT OnToggle(const fw::Message& m) { return Log(L"toggle " + std::to_wstring(m.CommandId()), 0); }
    LRESULT OnSelChange(const fw::Message&) { return Log(L"selchange", 0); }
    LRESULT OnLinkClick(const fw::Message&) { return Log(L"link", 0); }
};

// Overrides one row of its base and adds one; the rest comes from the base.
class DerivedWindow : public LoggingWindow {
protected:
    const fw::MessageMap& GetMessageMap() const override {
        static const fw::MessageMap map(&LoggingWindow::GetMessageMap(), {
            fw::OnMessage(WM_APP_PING, &DerivedWindow::OnDerivedPing),
            fw::OnMessage(WM_APP + 3, &DerivedWindow::OnDerivedOnly),
        });
        return map;
    }

private:
    LRESULT OnDerivedPing(const fw::Message&) { return Log(L"derived ping", 7); }
    LRESULT OnDerivedOnly(const fw::Message& m) {
        log.push_back(L"derived only");
        return Default(m);
    }
};

LRESULT Command(HWND window, int id, UINT code, HWND control = nullptr) {
    return SendMessageW(window, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(control));
}

TEST(MessageMap, CommandsMatchByIdAndRange) {
    LoggingWindow window;
    ASSERT_TRUE(window.CreatePopup());
    Command(window.Handle(), 38000, 0);        // menu or button click
    Command(window.Handle(), 38601, 0);
    Command(window.Handle(), 38602, 1);        // accelerator
    Command(window.Handle(), 38603, 0);        // outside the range
    Command(window.Handle(), 38001, 0);
    EXPECT_EQ(window.log, (std::vector<std::wstring>{L"stop", L"toggle 38601", L"toggle 38602"}));
}

TEST(MessageMap, ControlNotificationsAreNotCommands) {
    LoggingWindow window;
    ASSERT_TRUE(window.CreatePopup());
    testing_support::HostWindow other;
    // CBN_SELCHANGE is code 1 like an accelerator, but it comes from a control.
    Command(window.Handle(), 38000, CBN_SELCHANGE, other.Handle());
    Command(window.Handle(), 1003, CBN_SELCHANGE, other.Handle());
    Command(window.Handle(), 1003, CBN_DROPDOWN, other.Handle());
    EXPECT_EQ(window.log, (std::vector<std::wstring>{L"selchange"}));
}

TEST(MessageMap, NotificationsMatchByCodeAndControlId) {
    LoggingWindow window;
    ASSERT_TRUE(window.CreatePopup());
    NMHDR click{nullptr, 1007, static_cast<UINT>(NM_CLICK)};
    NMHDR otherId{nullptr, 1008, static_cast<UINT>(NM_CLICK)};
    NMHDR otherCode{nullptr, 1007, static_cast<UINT>(NM_RETURN)};
    for (NMHDR* header : {&click, &otherId, &otherCode}) {
        window.Send(WM_NOTIFY, header->idFrom, reinterpret_cast<LPARAM>(header));
    }
    EXPECT_EQ(window.log, (std::vector<std::wstring>{L"link"}));
}

TEST(MessageMap, ADerivedTableComesFirstAndFallsBackToItsBase) {
    DerivedWindow window;
    ASSERT_TRUE(window.CreatePopup());
    EXPECT_EQ(window.Send(WM_APP_PING), 7);
    EXPECT_EQ(window.Send(WM_APP_OTHER), 1);
    Command(window.Handle(), 38000, 0);
    EXPECT_EQ(window.Send(WM_APP + 3), 0);
    EXPECT_EQ(window.log, (std::vector<std::wstring>{L"derived ping", L"other", L"stop", L"derived only"}));
}

}  // namespace
