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
#include "framework/Handles.h"
#include "support/DibCanvas.h"
#include "support/MessagePump.h"
#include "support/TempFolder.h"

namespace {

constexpr DWORD kStartTimeoutMs = 30000;
constexpr DWORD kExitTimeoutMs = 20000;
const char* const kSampleRecordings[] = {"2401020304_A001.MOV", "2401020312_G002.MOV", "2401020320_M003.MOV",
                                         "2401020330_P004.MOV"};

// The program's path from the environment, as a Windows path.
std::wstring ProgramPath() {
    const wchar_t* path = _wgetenv(L"OSTRILEX_PROGRAM");
    std::wstring program = path != nullptr ? path : L"";
    for (wchar_t& c : program) {
        if (c == L'/') {
            c = L'\\';
        }
    }
    return program;
}

struct WindowSearch {
    DWORD process;
    HWND found;
};

BOOL CALLBACK FindProcessWindow(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<WindowSearch*>(lParam);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != search->process || !IsWindowVisible(window)) {
        return TRUE;
    }
    wchar_t title[64] = L"";
    GetWindowTextW(window, title, 64);
    if (std::wstring(title) != L"Ostrilex") {
        return TRUE;
    }
    search->found = window;
    return FALSE;
}

HWND MainWindowOf(DWORD process) {
    WindowSearch search{process, nullptr};
    EnumWindows(&FindProcessWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

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

    void TearDown() override {
        if (process.Valid() && WaitForSingleObject(process.Get(), 0) == WAIT_TIMEOUT) {
            TerminateProcess(process.Get(), 99);
            WaitForSingleObject(process.Get(), kExitTimeoutMs);
        }
    }

    // Starts the program and waits for its main window.
    HWND Launch() {
        const std::wstring program = ProgramPath();
        EXPECT_FALSE(program.empty()) << "OSTRILEX_PROGRAM is not set";
        std::wstring commandLine = L"\"" + program + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION info{};
        if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            work.Path().c_str(), &startup, &info)) {
            ADD_FAILURE() << "cannot start the program: " << GetLastError();
            return nullptr;
        }
        process.Reset(info.hProcess);
        CloseHandle(info.hThread);
        processId = info.dwProcessId;
        HWND window = nullptr;
        testing_support::PumpUntil([&] { return (window = MainWindowOf(processId)) != nullptr; }, kStartTimeoutMs);
        return window;
    }

    // Waits for the program to end; its exit code, or -1 while it runs.
    long ExitCode() {
        if (WaitForSingleObject(process.Get(), kExitTimeoutMs) != WAIT_OBJECT_0) {
            return -1;
        }
        DWORD code = 0;
        GetExitCodeProcess(process.Get(), &code);
        return static_cast<long>(code);
    }

    testing_support::TempFolder work;
    testing_support::TempFolder samples;
    fw::UniqueHandle process;
    DWORD processId = 0;
};

TEST_F(ProgramRun, ShowsItsSkinnedWindowAndEndsCleanlyOnSystemClose) {
    const HWND window = Launch();
    ASSERT_NE(window, nullptr);
    RECT r{};
    GetWindowRect(window, &r);
    EXPECT_EQ(r.right - r.left, 1120);
    EXPECT_EQ(r.bottom - r.top, 700);

    // Give the program time to paint, then look.
    testing_support::PumpUntil([] { return false; }, 1500);
    testing_support::DibCanvas shot(1120, 700, RGB(255, 0, 255));
    testing_support::CaptureWindow(window, shot);
    shot.SaveBmp(L"ostrilex-screenshot.bmp");
    // The video area is black; the skin around it is not, and the title is
    // written in white.
    EXPECT_EQ(shot.Pixel(330, 200), RGB(0, 0, 0));
    EXPECT_NE(shot.Pixel(3, 600), RGB(0, 0, 0));
    EXPECT_GT(shot.Count({10, 4, 80, 20}, RGB(255, 255, 255)), 10);
    // The file panel beside the video lists the sample folder: the rows of
    // the event kinds are tinted, and the kind legend is written in black.
    EXPECT_GT(shot.Count({886, 464, 1110, 656}, RGB(0xFF, 0xFF, 0xCC)), 1000);
    EXPECT_GT(shot.Count({830, 440, 1114, 462}, RGB(0, 0, 0)), 50);

    PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(ExitCode(), 0);
    EXPECT_EQ(MainWindowOf(processId), nullptr);
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
    EXPECT_EQ(ExitCode(), 0);
}

}  // namespace
