// The program itself: Ostrilex.exe started as a user starts it, in a
// working directory whose settings point at a folder of recordings, looked
// at on the screen and closed again. The screen is kept as
// ostrilex-screenshot.bmp beside the test for a look.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "TestRecordings.h"
#include "support/DibCanvas.h"
#include "support/MessagePump.h"
#include "support/ProgramProcess.h"
#include "support/TempFolder.h"

namespace {

const char* const kSampleRecordings[] = {"2401020304_A001.MOV", "2401020312_G002.MOV", "2401020320_M003.MOV",
                                         "2401020330_P004.MOV"};

// A working directory with settings that name a folder of sample recordings.
class ProgramRun : public ::testing::Test {
protected:
    void SetUp() override {
        // A Japanese folder name, named in a settings file in the ANSI code
        // page (as the profile functions make a new one).
        const std::wstring folder = samples.File(L"ドライブ記録 2025");
        ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
        for (const char* name : kSampleRecordings) {
            const std::wstring target = folder + L"\\" + std::wstring(name, name + std::strlen(name));
            ASSERT_TRUE(CopyFileW(TestRecordingPath(name).wstring().c_str(), target.c_str(), FALSE)) << name;
        }
        const std::wstring settings = work.File(L"Default_Folder.ini");
        WritePrivateProfileStringW(L"SOURCE", L"SELECT", L"FOLDER", settings.c_str());
        WritePrivateProfileStringW(L"SOURCE", L"FOLDER", folder.c_str(), settings.c_str());
    }

    HWND Launch() { return program.Launch(testing_support::ProgramPath(), work.Path()); }

    testing_support::TempFolder work;
    testing_support::TempFolder samples;
    testing_support::ProgramProcess program;
};

// How long the program may take to show a clip's first frame on a loaded machine.
constexpr DWORD kFirstFrameWaitMs = 15000;

TEST_F(ProgramRun, ShowsItsSkinnedWindowAndEndsCleanlyOnSystemClose) {
    const HWND window = Launch();
    ASSERT_NE(window, nullptr);
    RECT r{};
    GetWindowRect(window, &r);
    EXPECT_EQ(r.right - r.left, 1120);
    EXPECT_EQ(r.bottom - r.top, 700);

    // The video area shows the chosen clip's colour bars once its first
    // frame is there; the skin around it is not black, and the title is
    // written in white.
    testing_support::DibCanvas shot(1120, 700, RGB(255, 0, 255));
    const bool picture = testing_support::PumpUntil([&] {
        testing_support::CaptureWindow(window, shot);
        return shot.Pixel(100, 200) != shot.Pixel(330, 200) && shot.Pixel(330, 200) != shot.Pixel(560, 200);
    }, kFirstFrameWaitMs);
    shot.SaveBmp(L"ostrilex-screenshot.bmp");
    EXPECT_TRUE(picture) << "the clip's picture in the video area";
    EXPECT_NE(shot.Pixel(3, 600), RGB(0, 0, 0));
    EXPECT_GT(shot.Count({10, 4, 80, 20}, RGB(255, 255, 255)), 10);
    // The file panel beside the video lists the sample folder: the rows of
    // the event kinds are tinted, and the kind legend is written in black.
    EXPECT_GT(shot.Count({886, 464, 1110, 656}, RGB(0xFF, 0xFF, 0xCC)), 1000);
    EXPECT_GT(shot.Count({830, 440, 1114, 462}, RGB(0, 0, 0)), 50);

    PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(program.ExitCode(), 0);
    EXPECT_EQ(program.MainWindow(), nullptr);
    // The window kept the volume it used.
    wchar_t volume[16] = L"";
    GetPrivateProfileStringW(L"DISPLAY", L"VOLUME", L"", volume, 16, work.File(L"Default_Folder.ini").c_str());
    EXPECT_STREQ(volume, L"65535");
}

TEST_F(ProgramRun, EndsCleanlyWithItsCloseButton) {
    const HWND window = Launch();
    ASSERT_NE(window, nullptr);
    const HWND close = GetDlgItem(window, 14);
    ASSERT_NE(close, nullptr);
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(14, BN_CLICKED), reinterpret_cast<LPARAM>(close));
    EXPECT_EQ(program.ExitCode(), 0);
}

}  // namespace
