#include "framework/Application.h"

#include <gtest/gtest.h>

namespace {

// An application whose start-up only looks around and ends the program.
class ProbeApplication : public fw::Application {
public:
    fw::Application* currentDuringStartUp = nullptr;

protected:
    BOOL InitInstance() override {
        currentDuringStartUp = Current();
        return FALSE;
    }
};

TEST(Application, IsTheCurrentOneOnlyWhileItRuns) {
    ProbeApplication application;
    EXPECT_EQ(fw::Application::Current(), nullptr);
    EXPECT_EQ(application.Run(), 0);
    EXPECT_EQ(application.currentDuringStartUp, &application);
    EXPECT_EQ(fw::Application::Current(), nullptr);
}

TEST(Application, AStartUpThatReturnsFalseEndsWithoutAMessageLoop) {
    ProbeApplication application;
    // A quit message left in the queue would end a loop at once; Run must
    // not have entered one, so the message is still there.
    PostQuitMessage(5);
    EXPECT_EQ(application.Run(), 0);
    MSG message;
    EXPECT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

}  // namespace
