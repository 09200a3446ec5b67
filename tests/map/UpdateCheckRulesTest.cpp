#include <gtest/gtest.h>

#include "map/core/CJsonHolder.h"
#include "map/core/UpdateCheckRules.h"
#include "ui/core/UiTextTable.h"

namespace {

TEST(UpdateCheckRules, VersionFilesAndTruncation) {
    EXPECT_EQ(VersionInFile(UI_TEXT("x VER:1.2VER:9")), UiString(UI_TEXT("1.2VER:9"))) << "the first marker counts";
    EXPECT_EQ(VersionInFile(UI_TEXT("VER:1.0.3\r\n")), UiString(UI_TEXT("1.0.3\r\n")));
    EXPECT_FALSE(VersionInFile(UI_TEXT("1.0.3")));
    EXPECT_EQ(VersionInFile(UI_TEXT("VER:") + UiString(kMaxVersionLength, UI_TEXT('9')))->size(), kMaxVersionLength);
    EXPECT_FALSE(VersionInFile(UI_TEXT("VER:") + UiString(kMaxVersionLength + 1, UI_TEXT('9'))))
        << "too long for a version: a failed fetch, never a cut one";

    EXPECT_EQ(TruncateVersion(UI_TEXT("1.2.3.4.5")), UI_TEXT("1.2.3"));
    EXPECT_EQ(TruncateVersion(UI_TEXT("1.2")), UI_TEXT("1.2"));
}

struct CompareCase {
    const char* name;
    const UiChar* recorder;
    const UiChar* firmwareFile;
    const UiChar* viewerFile;
    bool shown;
    bool firmwareDiffers;
    bool viewerDiffers;
};

TEST(UpdateCheckRules, WhatDiffers) {
    const CompareCase cases[] = {
        {"same in the first three parts", UI_TEXT("1.2.3.9"), UI_TEXT("1.2.3.4"), UI_TEXT("1.0.3"), false, false, false},
        {"no firmware from the recordings", UI_TEXT(""), UI_TEXT("9.9.9"), UI_TEXT("1.0.3"), false, false, false},
        {"viewer text with a line break", UI_TEXT(""), UI_TEXT("1"), UI_TEXT("1.0.3\r\n"), true, false, true},
        {"empty viewer file, newer firmware", UI_TEXT("1.2.3"), UI_TEXT("1.2.4"), UI_TEXT(""), true, true, true},
    };
    for (const CompareCase& c : cases) {
        const auto finding = CompareVersions(c.recorder, c.firmwareFile, c.viewerFile, UI_TEXT("1.0.3"));
        ASSERT_EQ(finding.has_value(), c.shown) << c.name;
        if (finding) {
            EXPECT_EQ(finding->firmwareDiffers, c.firmwareDiffers) << c.name;
            EXPECT_EQ(finding->viewerDiffers, c.viewerDiffers) << c.name;
        }
    }
}

TEST(UpdateCheckRules, MessageBlocksFirmwareFirstWithoutServerMarkup) {
    UiTextVariant = 0;
    const UpdatePages pages{UI_TEXT("http://f/page"), UI_TEXT("http://v/page")};
    UpdateFinding finding;
    finding.viewerDiffers = true;
    finding.currentViewer = UI_TEXT("1.0.3");
    finding.newViewer = UI_TEXT("1.1\"><a href=\"http://x\">y</a>");
    const UiString intro = UiString(UiText(107)) + UI_TEXT("\r\n\r\n");
    const UiString viewerBlock = UiString(UiText(112)) + UI_TEXT(":\r\n") + UiText(109) + UI_TEXT("1.0.3   \u2192   ") +
                                 UiText(111) + UI_TEXT("1.1a href=http://xy/a\r\n\r\nURL : <a href=\"http://v/page\">http://v/page</a>");
    EXPECT_EQ(UpdateMessage(finding, pages), intro + viewerBlock);

    finding.firmwareDiffers = true;
    finding.currentFirmware = UI_TEXT("1.2.3");
    finding.newFirmware = UI_TEXT("1.2.4");
    const UiString firmwareBlock = UiString(UiText(110)) + UI_TEXT(":\r\n") + UiText(109) + UI_TEXT("1.2.3   \u2192   ") +
                                   UiText(111) + UI_TEXT("1.2.4\r\n\r\nURL : <a href=\"http://f/page\">http://f/page</a>");
    EXPECT_EQ(UpdateMessage(finding, pages), intro + firmwareBlock + UI_TEXT("\r\n\r\n\r\n") + viewerBlock + UI_TEXT("\r\n"));
}

TEST(CJsonHolder, ReadsFlatStringMembersBesideWhatItHolds) {
    CJsonHolder json;
    json.Set(UI_TEXT("kept"), UI_TEXT("1"), UI_TEXT(","));
    json.Parse(UI_TEXT("{\"map_lat\":\"35.5\", \"count\":12, \"map_status\":\"st,o}p\",\"map_lng\":\"139.7\"}"));
    EXPECT_EQ(json.Value(UI_TEXT("map_lat")), UI_TEXT("35.5"));
    EXPECT_EQ(json.Value(UI_TEXT("map_lng")), UI_TEXT("139.7"));
    EXPECT_EQ(json.Value(UI_TEXT("map_status")), UI_TEXT("stop"));
    EXPECT_EQ(json.Value(UI_TEXT("count")), UI_TEXT("")) << "a number stores nothing, and takes no other value";
    EXPECT_EQ(json.Value(UI_TEXT("kept")), UI_TEXT("1")) << "parsing does not clear";
}

}  // namespace
