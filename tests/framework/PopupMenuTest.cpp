#include "framework/PopupMenu.h"

#include <gtest/gtest.h>

#include "framework/UserPrompts.h"
#include "support/HostWindow.h"
#include "support/MessagePump.h"
#include "support/ScriptedPrompts.h"

namespace {

class MenuOwner : public testing_support::HostWindow {
public:
    int played = 0;

protected:
    const fw::MessageMap& GetMessageMap() const override {
        static const fw::MessageMap map(&fw::Window::GetMessageMap(), {
            fw::OnCommand(38002, &MenuOwner::OnPlay),
        });
        return map;
    }

private:
    LRESULT OnPlay(const fw::Message&) {
        ++played;
        return 0;
    }
};

TEST(PopupMenu, IsFilledByPositionAndItsChoiceReachesTheOwner) {
    testing_support::ScriptedPrompts prompts;
    fw::ScopedPrompts scoped(prompts);
    MenuOwner owner;
    fw::PopupMenu menu;
    ASSERT_NE(menu.Handle(), nullptr);
    menu.InsertString(0, 38002, L"再生");
    menu.InsertString(1, 38004, L"早送り");
    menu.InsertSeparator(1);
    menu.EnableAt(2, false);
    EXPECT_EQ(menu.Count(), 3);

    prompts.QueueMenuCommand(38002);
    EXPECT_TRUE(menu.Track(0, {10, 10}, owner.Handle()));
    testing_support::PumpPending();
    EXPECT_EQ(owner.played, 1);
    EXPECT_EQ(prompts.LastMenu(), (std::vector<std::wstring>{L"再生", L"-", L"早送り(grey)"}));

    EXPECT_FALSE(menu.Track(0, {10, 10}, owner.Handle()));  // dismissed
    testing_support::PumpPending();
    EXPECT_EQ(owner.played, 1);
}

}  // namespace
