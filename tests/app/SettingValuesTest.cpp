#include "app/core/SettingValues.h"

#include <gtest/gtest.h>

namespace {

TEST(SettingValues, OnlyAnExactOnSwitchesOn) {
    EXPECT_TRUE(IsSwitchOn(UI_TEXT("on")));
    for (const UiChar* value : {UI_TEXT("ON"), UI_TEXT("On"), UI_TEXT("on "), UI_TEXT(" on"), UI_TEXT("off"),
                                UI_TEXT(""), UI_TEXT("1")}) {
        EXPECT_FALSE(IsSwitchOn(value));
    }
}

TEST(SettingValues, VolumeIsReadLikeAnIntegerAndKeptInRange) {
    struct Case {
        const UiChar* value;
        int volume;
    };
    for (const Case c : {
             Case{UI_TEXT(""), 65535},
             Case{UI_TEXT("65535"), 65535},
             Case{UI_TEXT("1200"), 1200},
             Case{UI_TEXT("0"), 0},
             Case{UI_TEXT("abc"), 0},
             Case{UI_TEXT("70000"), 65535},
             Case{UI_TEXT("99999999999999999999"), 65535},
             Case{UI_TEXT("-5"), 0},
             Case{UI_TEXT("  300"), 300},
             Case{UI_TEXT("+42"), 42},
             Case{UI_TEXT("12ab"), 12},
             Case{UI_TEXT(" "), 0},
         }) {
        EXPECT_EQ(VolumeFromSetting(c.value), c.volume);
    }
}

}  // namespace
