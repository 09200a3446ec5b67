// The program with an SD card whose recordings it plays, and the card
// pulled out: the clip closes and the list empties without a box, and the
// program still closes with exit code 0; run from the card itself, it ends
// on its own. Runs only where the test run provides a removable drive
// (OSTRILEX_REMOVABLE_DRIVE).
#include <gtest/gtest.h>

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <cstdlib>
#include <cstring>

#include "TestRecordings.h"
#include "support/MessagePump.h"
#include "support/ProgramProcess.h"
#include "support/TempFolder.h"

namespace {

using testing_support::ProgramPath;
using testing_support::PumpUntil;

constexpr int kRecordingListId = 1001;
constexpr int kPlayButtonId = 38002;
constexpr DWORD kLossTimeoutMs = 5000;

std::wstring Wide(const char* text) { return std::wstring(text, text + std::strlen(text)); }

int Rows(HWND window) { return ListView_GetItemCount(GetDlgItem(window, kRecordingListId)); }

class ProgramOnACard : public ::testing::Test {
protected:
    void SetUp() override {
        const char* root = std::getenv("OSTRILEX_REMOVABLE_DRIVE");
        const char* folder = std::getenv("OSTRILEX_REMOVABLE_DRIVE_FOLDER");
        if (root == nullptr || folder == nullptr) {
            GTEST_SKIP() << "no removable drive in this run";
        }
        card_ = Wide(root);
        cardFolder_ = Wide(folder);
        const std::wstring recordings = card_ + L"DCIM\\100MEDIA";
        CreateDirectoryW((card_ + L"DCIM").c_str(), nullptr);
        CreateDirectoryW(recordings.c_str(), nullptr);
        for (const char* name : {"2401020304_A001.MOV", "2401020312_G002.MOV"}) {
            const std::wstring target = recordings + L"\\" + Wide(name);
            ASSERT_TRUE(CopyFileW(TestRecordingPath(name).wstring().c_str(), target.c_str(), FALSE)) << name;
        }
    }

    void TearDown() override {
        if (pulled_) {
            MoveFileW((cardFolder_ + L".pulled").c_str(), cardFolder_.c_str());
        }
        if (!card_.empty()) {
            testing_support::RemoveTree(card_ + L"DCIM");
            DeleteFileW((card_ + L"Ostrilex.exe").c_str());
        }
    }

    // Starts the program once the card's first clip plays.
    HWND StartPlaying(const std::wstring& programPath) {
        const HWND window = program.Launch(programPath, work.Path());
        if (window == nullptr || !PumpUntil([&] { return Rows(window) == 2; }, kLossTimeoutMs)) {
            ADD_FAILURE() << "the card's recordings are not listed";
            return nullptr;
        }
        EXPECT_TRUE(testing_support::PlayUntilThePositionMoves(window)) << "the first clip does not play";
        return window;
    }

    // The card goes: the folder behind its drive letter disappears.
    bool PullTheCard() {
        pulled_ = MoveFileW(cardFolder_.c_str(), (cardFolder_ + L".pulled").c_str()) != FALSE;
        return pulled_;
    }

    testing_support::TempFolder work;
    testing_support::ProgramProcess program;
    std::wstring card_;
    std::wstring cardFolder_;
    bool pulled_ = false;
};

TEST_F(ProgramOnACard, APulledCardClosesTheClipWithoutABoxAndTheProgramStillClosesCleanly) {
    const HWND window = StartPlaying(ProgramPath());
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(PullTheCard());
    ASSERT_TRUE(PumpUntil([&] { return Rows(window) == 0; }, kLossTimeoutMs)) << "the list still shows the card";
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(window, kPlayButtonId))) << "the clip is still open";
    EXPECT_EQ(program.Box(), nullptr);
    // The program itself runs from another drive, so it stays.
    EXPECT_EQ(program.MainWindow(), window);
    PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(program.ExitCode(), 0);
}

TEST_F(ProgramOnACard, AProgramRunFromThePulledCardEndsOnItsOwn) {
    const std::wstring onTheCard = card_ + L"Ostrilex.exe";
    ASSERT_TRUE(CopyFileW(ProgramPath().c_str(), onTheCard.c_str(), FALSE));
    ASSERT_NE(StartPlaying(onTheCard), nullptr);
    ASSERT_TRUE(PullTheCard());
    EXPECT_EQ(program.ExitCode(), 0);
    EXPECT_EQ(program.Box(), nullptr);
}

}  // namespace
