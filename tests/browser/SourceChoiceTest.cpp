#include "browser/core/SourceChoice.h"

#include <gtest/gtest.h>

#include "support/MemoryBrowser.h"

namespace {

using browser_testing::A;
using browser_testing::U;

TEST(SourceChoice, TheStoredSelectPicksTheRadio) {
    EXPECT_EQ(SourceRadioForSetting(U("FOLDER")), kRadioFolder);
    EXPECT_EQ(SourceRadioForSetting(U("FILE")), kRadioFile);
    EXPECT_EQ(SourceRadioForSetting(U("SD")), kRadioSdCard);
    EXPECT_EQ(SourceRadioForSetting(U("")), kRadioSdCard);
    EXPECT_EQ(SourceRadioForSetting(U("folder")), kRadioSdCard);
    EXPECT_EQ(SourceKindForRadio(kRadioSdCard), kSourceSdCard);
    EXPECT_EQ(SourceKindForRadio(kRadioFolder), kSourceFolder);
    EXPECT_EQ(SourceKindForRadio(kRadioFile), kSourceFile);
    EXPECT_EQ(SourceKindForRadio(39003), kSourceNone);
}

TEST(SourceChoice, OkNeedsADriveOrANonEmptyText) {
    EXPECT_FALSE(SourceOkEnabled(kSourceSdCard, false, U("C:\\rec"), U("x")));
    EXPECT_TRUE(SourceOkEnabled(kSourceSdCard, true, U(""), U("")));
    EXPECT_FALSE(SourceOkEnabled(kSourceFolder, true, U(""), U("x")));
    EXPECT_TRUE(SourceOkEnabled(kSourceFolder, false, U("C:\\rec"), U("")));
    EXPECT_FALSE(SourceOkEnabled(kSourceFile, true, U("C:\\rec"), U("")));
    EXPECT_TRUE(SourceOkEnabled(kSourceFile, false, U(""), U("C:\\a.MOV")));
}

TEST(SourceChoice, OkWritesSelectAndTheKindsOwnKeyOnly) {
    auto write = SourceSettingForOk(kSourceFolder, U("E:\\"), U("C:\\typed"), U("C:\\a.MOV"));
    ASSERT_TRUE(write);
    EXPECT_EQ(A(write->select), "FOLDER");
    EXPECT_EQ(A(write->key), "FOLDER");
    EXPECT_EQ(A(write->value), "C:\\typed");
    write = SourceSettingForOk(kSourceSdCard, U("E:\\"), U(""), U(""));
    ASSERT_TRUE(write);
    EXPECT_EQ(A(write->select), "SD");
    EXPECT_EQ(A(write->value), "E:\\");
    write = SourceSettingForOk(kSourceFile, U(""), U(""), U("C:\\a.MOV"));
    ASSERT_TRUE(write);
    EXPECT_EQ(A(write->key), "FILE");
}

TEST(SourceChoice, AnEmptyTextIsRefusedInsteadOfStored) {
    EXPECT_FALSE(SourceSettingForOk(kSourceFolder, U("E:\\"), U(""), U("C:\\a.MOV")));
    EXPECT_FALSE(SourceSettingForOk(kSourceFile, U("E:\\"), U("C:\\rec"), U("")));
    EXPECT_FALSE(SourceSettingForOk(kSourceSdCard, U(""), U("C:\\rec"), U("C:\\a.MOV")));
}

}  // namespace
