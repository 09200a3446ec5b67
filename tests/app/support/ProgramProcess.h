#pragma once

#include <windows.h>

#include <string>

#include "framework/Handles.h"

namespace testing_support {

// Ostrilex.exe started as its own process, the way a user starts it; ended
// by force at the end of the scope if it is still running.
class ProgramProcess {
public:
    ProgramProcess() = default;
    ~ProgramProcess();
    ProgramProcess(const ProgramProcess&) = delete;
    ProgramProcess& operator=(const ProgramProcess&) = delete;

    // Starts the program in the working directory and waits for its main
    // window; null when it did not come.
    HWND Launch(const std::wstring& program, const std::wstring& workFolder);
    // The main window while it is shown, else null.
    HWND MainWindow() const;
    // A visible dialog box of the program other than its main window: a
    // box that waits for a person.
    HWND Box() const;
    // Waits for the program to end; its exit code, or -1 while it runs.
    long ExitCode() const;
    DWORD Id() const { return id_; }

private:
    fw::UniqueHandle process_;
    DWORD id_ = 0;
};

// The program under test, from the environment (OSTRILEX_PROGRAM), as a
// Windows path.
std::wstring ProgramPath();

// Gives the play command once the clip's data are in (the play button comes
// on) and waits until the window shows the position moving (the seek bar's
// thumb and the graph's position line; the video area itself reads back
// black from the screen under Wine).
bool PlayUntilThePositionMoves(HWND mainWindow);

}  // namespace testing_support
