#include "ui/core/MovFileName.h"

#include <gtest/gtest.h>

namespace {

TEST(IsMovFile, AcceptsTheMovExtensionInAnyCase) {
    EXPECT_TRUE(IsMovFile(UI_TEXT("REC_0001.MOV")));
    EXPECT_TRUE(IsMovFile(UI_TEXT("rec.mov")));
    EXPECT_TRUE(IsMovFile(UI_TEXT("C:\\DCIM\\100\\2024010203_A0001.Mov")));
    EXPECT_TRUE(IsMovFile(UI_TEXT("my clip.mOv")));
}

TEST(IsMovFile, RefusesOtherExtensionsAndNamesWithout) {
    EXPECT_FALSE(IsMovFile(UI_TEXT("clip.MOVIE")));
    EXPECT_FALSE(IsMovFile(UI_TEXT("clip.move")));
    EXPECT_FALSE(IsMovFile(UI_TEXT("clip.xmov")));
    EXPECT_FALSE(IsMovFile(UI_TEXT("clip.mov.bak")));
    EXPECT_FALSE(IsMovFile(UI_TEXT("dir.mov\\file")));
    EXPECT_FALSE(IsMovFile(UI_TEXT("clip")));
    EXPECT_FALSE(IsMovFile(UI_TEXT("mov")));
    EXPECT_FALSE(IsMovFile(UI_TEXT("")));
}

TEST(IsMovFile, RefusesANameTooLongForThePathBuffer) {
    const UiString longest = UiString(kMaxPathChars - 4, UiChar('a')) + UI_TEXT(".MOV");
    EXPECT_TRUE(IsMovFile(longest));
    EXPECT_FALSE(IsMovFile(UiChar('a') + longest));
}

}  // namespace
