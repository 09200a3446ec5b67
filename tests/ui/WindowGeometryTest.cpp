#include "ui/shared/WindowGeometry.h"

#include <gtest/gtest.h>

#include "support/HostWindow.h"

namespace {

using testing_support::HostWindow;

TEST(WindowGeometry, GivesTheOtherWindowRelativeToTheReferencesTopLeft) {
    HostWindow reference({100, 50, 500, 350});
    HostWindow other({130, 90, 230, 110});
    const RECT r = GetRectRelativeTo(reference.Handle(), other.Handle());
    EXPECT_EQ(r.left, 30);
    EXPECT_EQ(r.top, 40);
    EXPECT_EQ(r.right, 130);
    EXPECT_EQ(r.bottom, 60);
}

TEST(WindowGeometry, CountsFromTheWindowRectangleNotTheClientArea) {
    HostWindow framed({100, 50, 500, 350}, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    const HWND child = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 10, 20, 50, 20, framed.Handle(),
                                       nullptr, GetModuleHandleW(nullptr), nullptr);
    POINT clientOrigin{0, 0};
    ClientToScreen(framed.Handle(), &clientOrigin);
    const RECT r = GetRectRelativeTo(framed.Handle(), child);
    EXPECT_EQ(r.left, clientOrigin.x - 100 + 10);
    EXPECT_EQ(r.top, clientOrigin.y - 50 + 20);
    EXPECT_GT(r.top, 20);  // caption and frame lie above the client area
}

}  // namespace
