#include "framework/Button.h"

#include <gtest/gtest.h>

#include "support/ForeignWindow.h"
#include "support/HostWindow.h"

namespace {

using testing_support::HostWindow;

fw::WindowArgs ChildArgs(HWND parent, DWORD style = WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX) {
    fw::WindowArgs args;
    args.parent = parent;
    args.id = 7;
    args.rect = {0, 0, 80, 20};
    args.style = style;
    args.text = L"check";
    return args;
}

// Adds BS_OWNERDRAW before the window is made, as a skinned button does.
class OwnerDrawnButton : public fw::Button {
protected:
    void PreCreateWindow(CREATESTRUCTW& create) override { create.style |= BS_OWNERDRAW; }
};

TEST(WindowLifetime, TheObjectFindsItsWindowAndTheWindowItsObject) {
    HostWindow host;
    ASSERT_NE(host.Handle(), nullptr);
    EXPECT_EQ(fw::Window::FromHandle(host.Handle()), &host);
    EXPECT_EQ(fw::Window::FromHandle(nullptr), nullptr);
}

// Another copy of the program marks its windows the same way, but the mark
// holds an address in that process: never an object here.
TEST(WindowLifetime, AWindowOfAnotherProcessIsNoObjectHere) {
    const testing_support::ForeignWindow other;
    ASSERT_NE(other.Handle(), nullptr);
    EXPECT_EQ(fw::Window::FromHandle(other.Handle()), nullptr);
}

TEST(WindowLifetime, AWindowTheObjectMadeGoesWithTheObject) {
    HWND made = nullptr;
    {
        HostWindow host;
        made = host.Handle();
        EXPECT_TRUE(IsWindow(made));
    }
    EXPECT_FALSE(IsWindow(made));
}

TEST(WindowLifetime, AWindowDestroyedFirstLeavesTheObjectEmpty) {
    HostWindow host;
    const HWND made = host.Handle();
    EXPECT_TRUE(host.DestroyWindow());
    EXPECT_EQ(host.Handle(), nullptr);
    EXPECT_EQ(fw::Window::FromHandle(made), nullptr);
}

TEST(WindowLifetime, ASubclassedControlKeepsItsOwnBehaviour) {
    HostWindow host;
    fw::CheckBox check;
    ASSERT_TRUE(check.Create(ChildArgs(host.Handle())));
    check.SetChecked(true);
    EXPECT_TRUE(check.IsChecked());
    EXPECT_EQ(check.GetText(), L"check");
    EXPECT_EQ(check.ControlId(), 7);
}

TEST(WindowLifetime, AttachAndDetachLeaveTheControlAsItWas) {
    HostWindow host;
    const HWND plain = CreateWindowExW(0, L"BUTTON", L"plain", WS_CHILD | BS_AUTOCHECKBOX, 0, 0, 10, 10, host.Handle(),
                                       nullptr, GetModuleHandleW(nullptr), nullptr);
    const LONG_PTR original = GetWindowLongPtrW(plain, GWLP_WNDPROC);
    {
        fw::CheckBox check;
        ASSERT_TRUE(check.Attach(plain));
        EXPECT_NE(GetWindowLongPtrW(plain, GWLP_WNDPROC), original);
        fw::CheckBox second;
        EXPECT_FALSE(second.Attach(plain));  // one object per window
        EXPECT_EQ(check.Detach(), plain);
    }
    EXPECT_EQ(GetWindowLongPtrW(plain, GWLP_WNDPROC), original);
    EXPECT_EQ(fw::Window::FromHandle(plain), nullptr);
    EXPECT_TRUE(IsWindow(plain));
    {
        fw::CheckBox check;
        ASSERT_TRUE(check.Attach(plain));
    }
    EXPECT_TRUE(IsWindow(plain));  // an attached window outlives its object
    EXPECT_EQ(GetWindowLongPtrW(plain, GWLP_WNDPROC), original);
}

TEST(WindowLifetime, PreCreateWindowAdjustsTheStyle) {
    HostWindow host;
    OwnerDrawnButton button;
    ASSERT_TRUE(button.Create(ChildArgs(host.Handle(), WS_CHILD | WS_VISIBLE | BS_CHECKBOX)));
    EXPECT_EQ(GetWindowLongW(button.Handle(), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
}

TEST(WindowLifetime, CreatingTwiceIsRefused) {
    HostWindow host;
    fw::Button button;
    ASSERT_TRUE(button.Create(ChildArgs(host.Handle())));
    EXPECT_FALSE(button.Create(ChildArgs(host.Handle())));
}

}  // namespace
