#include "ui/core/TriggerKind.h"

#include <gtest/gtest.h>

#include "ui/core/UiTextTable.h"

namespace {

UiString Label(const UiChar* name) {
    return UiString(GetTriggerKindLabel(name));
}

TEST(TriggerKindLabel, NamesEachKindFromTheTwelfthCharacter) {
    const int savedRow = UiTextVariant.exchange(0);
    EXPECT_EQ(Label(UI_TEXT("20240102_0A_0001.MOV")), UiString());  // '_' not at index 10
    EXPECT_EQ(Label(UI_TEXT("2024010203_A0001.MOV")), UI_TEXT("常時"));
    EXPECT_EQ(Label(UI_TEXT("2024010203_G0001.MOV")), UI_TEXT("衝撃"));
    EXPECT_EQ(Label(UI_TEXT("2024010203_M0001.MOV")), UI_TEXT("マニュアル"));
    EXPECT_EQ(Label(UI_TEXT("2024010203_P0001.MOV")), UI_TEXT("駐車"));
    EXPECT_EQ(Label(UI_TEXT("2024010203_S0001.MOV")), UI_TEXT("駐車衝撃"));
    UiTextVariant = savedRow;
}

TEST(TriggerKindLabel, NeedsSixteenCharacters) {
    EXPECT_EQ(Label(UI_TEXT("2024010203_A0001")), UI_TEXT("常時"));
    EXPECT_EQ(Label(UI_TEXT("2024010203_A000")), UiString());
    EXPECT_EQ(Label(UI_TEXT("")), UiString());
}

TEST(TriggerKindLabel, RefusesLowerCaseAndUnknownLetters) {
    EXPECT_EQ(Label(UI_TEXT("2024010203_a0001.MOV")), UiString());
    EXPECT_EQ(Label(UI_TEXT("2024010203_X0001.MOV")), UiString());
    EXPECT_EQ(Label(UI_TEXT("2024010203-A0001.MOV")), UiString());
}

}  // namespace
