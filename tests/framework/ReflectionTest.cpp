#include "framework/Button.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <algorithm>

#include <string>
#include <vector>

#include "framework/Handles.h"
#include "support/HostWindow.h"
#include "support/MessagePump.h"

namespace {

std::vector<std::wstring>* g_log = nullptr;

LRESULT Log(const wchar_t* entry, LRESULT result) {
    g_log->push_back(entry);
    return result;
}

// A parent that logs what reaches its own table.
class Parent : public testing_support::HostWindow {
protected:
    const fw::MessageMap& GetMessageMap() const override {
        static const fw::MessageMap map(&fw::Window::GetMessageMap(), {
            fw::OnCommand(100, &Parent::OnClicked),
            fw::OnControlCommand(BN_SETFOCUS, 100, &Parent::OnSetFocus),
            fw::OnNotify(NM_CLICK, 100, &Parent::OnNotifyClick),
            fw::OnNotify(NM_CUSTOMDRAW, 100, &Parent::OnNotifyCustomDraw),
            fw::OnMessage(WM_DRAWITEM, &Parent::OnDrawItem),
            fw::OnCtlColor(&Parent::OnCtlColor),
        });
        return map;
    }

private:
    LRESULT OnClicked(const fw::Message&) { return Log(L"parent clicked", 0); }
    LRESULT OnSetFocus(const fw::Message&) { return Log(L"parent setfocus", 0); }
    LRESULT OnNotifyClick(const fw::Message&) { return Log(L"parent click", 0); }
    LRESULT OnNotifyCustomDraw(const fw::Message&) { return Log(L"parent customdraw", 0); }
    LRESULT OnDrawItem(const fw::Message&) { return Log(L"parent drawitem", TRUE); }
    LRESULT OnCtlColor(const fw::Message&) { return Log(L"parent ctlcolor", reinterpret_cast<LRESULT>(GetStockObject(GRAY_BRUSH))); }
};

// A control that takes some of its own notifications back from the parent.
class ReflectingButton : public fw::Button {
public:
    HBRUSH brush = nullptr;

    bool CreateOn(HWND parent, DWORD style = WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON) {
        fw::WindowArgs args;
        args.parent = parent;
        args.id = 100;
        args.rect = {10, 10, 110, 40};
        args.style = style;
        args.text = L"button";
        return Create(args);
    }

protected:
    const fw::MessageMap& GetMessageMap() const override {
        static const fw::MessageMap map(&fw::Button::GetMessageMap(), {
            fw::OnReflectedCommand(BN_CLICKED, &ReflectingButton::OnClicked),
            fw::OnReflectedNotify(NM_CUSTOMDRAW, &ReflectingButton::OnCustomDraw),
            fw::OnReflected(WM_DRAWITEM, &ReflectingButton::OnDrawItem),
            fw::OnReflectedCtlColor(&ReflectingButton::OnCtlColor),
        });
        return map;
    }

private:
    LRESULT OnClicked(const fw::Message&) { return Log(L"child clicked", 0); }
    LRESULT OnCustomDraw(const fw::Message&) { return Log(L"child customdraw", CDRF_DODEFAULT); }
    LRESULT OnDrawItem(const fw::Message&) { return Log(L"child drawitem", TRUE); }
    LRESULT OnCtlColor(const fw::Message&) { return Log(L"child ctlcolor", reinterpret_cast<LRESULT>(brush)); }
};

class Reflection : public ::testing::Test {
protected:
    void SetUp() override {
        g_log = &log;
        ASSERT_TRUE(child.CreateOn(parent.Handle()));
    }
    void TearDown() override { g_log = nullptr; }

    LRESULT SendCommand(UINT code) const {
        return parent.Send(WM_COMMAND, MAKEWPARAM(100, code), reinterpret_cast<LPARAM>(child.Handle()));
    }
    LRESULT SendNotify(UINT code) const {
        NMHDR header{child.Handle(), 100, code};
        return parent.Send(WM_NOTIFY, 100, reinterpret_cast<LPARAM>(&header));
    }

    std::vector<std::wstring> log;
    Parent parent;
    ReflectingButton child;
};

TEST_F(Reflection, ACodeTheChildTakesNeverReachesTheParent) {
    SendCommand(BN_CLICKED);
    EXPECT_EQ(SendNotify(static_cast<UINT>(NM_CUSTOMDRAW)), CDRF_DODEFAULT);
    EXPECT_EQ(log, (std::vector<std::wstring>{L"child clicked", L"child customdraw"}));
}

TEST_F(Reflection, OtherCodesReachTheParentsTable) {
    SendCommand(BN_SETFOCUS);
    SendNotify(static_cast<UINT>(NM_CLICK));
    EXPECT_EQ(log, (std::vector<std::wstring>{L"parent setfocus", L"parent click"}));
}

TEST_F(Reflection, ControlColoursGoToTheChildUnlessItGivesNoBrush) {
    HDC dc = GetDC(parent.Handle());
    fw::Brush brush(CreateSolidBrush(RGB(1, 2, 3)));
    child.brush = brush.Get();
    const LRESULT given =
        parent.Send(WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(child.Handle()));
    EXPECT_EQ(reinterpret_cast<HBRUSH>(given), brush.Get());
    child.brush = nullptr;
    const LRESULT fallback =
        parent.Send(WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(child.Handle()));
    EXPECT_EQ(reinterpret_cast<HGDIOBJ>(fallback), GetStockObject(GRAY_BRUSH));
    ReleaseDC(parent.Handle(), dc);
    EXPECT_EQ(log, (std::vector<std::wstring>{L"child ctlcolor", L"child ctlcolor", L"parent ctlcolor"}));
}

TEST_F(Reflection, AnOwnerDrawnButtonDrawsItselfWhenThePlatformAsks) {
    ReflectingButton drawn;
    ASSERT_TRUE(drawn.CreateOn(parent.Handle(), WS_CHILD | WS_VISIBLE | BS_OWNERDRAW));
    drawn.Redraw();
    testing_support::PumpPending();
    EXPECT_GE(std::count(log.begin(), log.end(), L"child drawitem"), 1);
    EXPECT_EQ(std::count(log.begin(), log.end(), L"parent drawitem"), 0);
}

TEST_F(Reflection, MessagesFromWindowsWithoutAnObjectStayWithTheParent) {
    const HWND plain = CreateWindowExW(0, L"BUTTON", L"plain", WS_CHILD | BS_PUSHBUTTON, 0, 0, 10, 10, parent.Handle(),
                                       reinterpret_cast<HMENU>(100), GetModuleHandleW(nullptr), nullptr);
    parent.Send(WM_COMMAND, MAKEWPARAM(100, BN_CLICKED), reinterpret_cast<LPARAM>(plain));
    EXPECT_EQ(log, (std::vector<std::wstring>{L"parent clicked"}));
    DestroyWindow(plain);
}

}  // namespace
