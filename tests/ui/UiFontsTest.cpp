#include "ui/shared/UiFonts.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "framework/DeviceContext.h"
#include "framework/Handles.h"
#include "support/HostWindow.h"
#include "support/TempFolder.h"
#include "ui/core/FontMetrics.h"
#include "ui/core/UiTextTable.h"
#include "ui/shared/ProgramFolder.h"

namespace {

HFONT* const kFonts[] = {&g_fontSmall, &g_fontNormal, &g_fontMedium, &g_fontLarge, &g_fontHuge};

class UiFonts : public ::testing::Test {
protected:
    void SetUp() override { savedRow_ = UiTextVariant.exchange(0); }
    void TearDown() override {
        DeleteUiFonts();
        UiTextVariant = savedRow_;
    }

    testing_support::HostWindow window;

private:
    int savedRow_ = 0;
};

TEST_F(UiFonts, MakesFiveFontsInTheSharedFace) {
    ASSERT_EQ(InitUiFontsAndFolder(window.Handle()), 1);
    const fw::WindowDC dc(window.Handle());
    const int dpiX = GetDeviceCaps(dc.Get(), LOGPIXELSX);
    const int dpiY = GetDeviceCaps(dc.Get(), LOGPIXELSY);
    for (int i = 0; i < kUiFontCount; ++i) {
        ASSERT_NE(*kFonts[i], nullptr);
        LOGFONTW font{};
        ASSERT_EQ(GetObjectW(*kFonts[i], sizeof(font), &font), static_cast<int>(sizeof(font)));
        EXPECT_EQ(font.lfHeight, FontHeightForPoints(kUiFontPoints[i], dpiX, dpiY)) << kUiFontPoints[i];
        EXPECT_EQ(font.lfCharSet, SHIFTJIS_CHARSET);
        EXPECT_EQ(font.lfPitchAndFamily, FIXED_PITCH);
        EXPECT_EQ(font.lfWeight, 0);
        EXPECT_STREQ(font.lfFaceName, L"メイリオ");
    }
}

TEST_F(UiFonts, ChoosesTheTextRowByTheUsersLanguage) {
    const char* expected = std::getenv("OSTRILEX_EXPECT_TEXT_ROW");
    if (expected == nullptr) {
        GTEST_SKIP() << "runs with a fixed locale only";
    }
    ASSERT_EQ(InitUiFontsAndFolder(window.Handle()), 1);
    EXPECT_EQ(UiTextVariant.load(), std::atoi(expected));
    EXPECT_EQ(std::wstring(UiText(1)), std::atoi(expected) == 1 ? L"結合" : L"動画");
}

TEST_F(UiFonts, TheProgramFolderIsTheDirectoryAtStartUp) {
    testing_support::TempFolder first;
    testing_support::TempFolder second;
    {
        testing_support::CurrentDirectory inFirst(first.Path());
        ASSERT_EQ(InitUiFontsAndFolder(window.Handle()), 1);
    }
    testing_support::CurrentDirectory inSecond(second.Path());
    EXPECT_EQ(GetProgramFolder(), first.Path());
}

TEST_F(UiFonts, AWindowWithoutDcSetsNothing) {
    testing_support::TempFolder folder;
    testing_support::CurrentDirectory inFolder(folder.Path());
    RecordProgramFolder();
    const std::wstring before = GetProgramFolder();
    testing_support::HostWindow gone;
    const HWND stale = gone.Handle();
    gone.DestroyWindow();
    testing_support::TempFolder elsewhere;
    testing_support::CurrentDirectory moved(elsewhere.Path());
    EXPECT_EQ(InitUiFontsAndFolder(stale), 0);
    EXPECT_EQ(g_fontSmall, nullptr);
    EXPECT_EQ(GetProgramFolder(), before);
}

TEST_F(UiFonts, StartingTwiceReplacesTheFonts) {
    ASSERT_EQ(InitUiFontsAndFolder(window.Handle()), 1);
    const HFONT first = g_fontHuge;
    ASSERT_EQ(InitUiFontsAndFolder(window.Handle()), 1);
    EXPECT_EQ(GetObjectType(first), 0u);  // deleted, not leaked
    DeleteUiFonts();
    for (HFONT* font : kFonts) {
        EXPECT_EQ(*font, nullptr);
    }
}

}  // namespace
