// The main window's jobs timed under Wine through the real engine:
//   csv                 the CSV export of 1000 small recordings, per
//                       recording, against the floor of opening each file
//                       and reading its head and tail;
//   join OUT SOURCE...  the join of the sources through the window (the
//                       selection and the save chooser answered at once)
//                       against the joiner alone on the same Windows file
//                       path, in turns, best of five each, also from the
//                       selection's answer to the job's end; OUT is a
//                       folder.
// Prints the times and their ratios.

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "BenchClock.h"
#include "MiniRecording.h"
#include "TestRecordings.h"
#include "app/CkadomirDlg.h"
#include "framework/ComPtr.h"
#include "framework/Handles.h"
#include "joiner/JoinRecordings.h"
#include "support/CkadomirDlgTestAccess.h"
#include "support/MessagePump.h"
#include "support/ScriptedPrompts.h"
#include "support/TempFolder.h"
#include "support/TestGdiplus.h"

namespace {

using Access = CkadomirDlgTestAccess;
constexpr int kRecordings = 1000;
constexpr int kJoinRounds = 5;

double Best(const std::vector<double>& values) { return *std::min_element(values.begin(), values.end()); }

template <class Body>
std::vector<double> Rounds(int rounds, Body body) {
    std::vector<double> times;
    for (int round = 0; round < rounds; ++round) {
        const double start = Milliseconds();
        body();
        times.push_back(Milliseconds() - start);
    }
    return times;
}

bool ReadHeadAndTail(const std::wstring& path) {
    const fw::UniqueHandle owned(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                             FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!owned.Valid()) return false;
    const HANDLE file = owned.Get();
    uint8_t head[260];
    uint8_t tail[18];
    LARGE_INTEGER size{}, at{};
    DWORD got = 0;
    bool ok = GetFileSizeEx(file, &size) && ReadFile(file, head, sizeof head, &got, nullptr);
    at.QuadPart = size.QuadPart - static_cast<LONGLONG>(sizeof tail);
    ok = ok && SetFilePointerEx(file, at, nullptr, FILE_BEGIN) && ReadFile(file, tail, sizeof tail, &got, nullptr);
    return ok;
}

// The main window on a folder, its prompts scripted and its selection
// dialog ticking every row at once.
class Window {
public:
    explicit Window(const std::wstring& work, const std::wstring& source) : inWork_(work) {
        const std::wstring ini = work + L"\\Default_Folder.ini";
        WritePrivateProfileStringW(L"SOURCE", L"SELECT", L"FOLDER", ini.c_str());
        WritePrivateProfileStringW(L"SOURCE", L"FOLDER", source.c_str(), ini.c_str());
        MainWindowSeams seams = ProductSeams();
        seams.webViewRuntimeInstalled = [] { return false; };
        seams.online.probe = [] { return true; };
        seams.runSelection = [this](CFileSelectDlg& dialog, HWND owner) -> INT_PTR {
            dialog.CreateModeless(owner);
            const HWND list = GetDlgItem(dialog.Handle(), CFileSelectDlg::kListId);
            for (int row = 0; row < ListView_GetItemCount(list); ++row) ListView_SetCheckState(list, row, TRUE);
            SendMessageW(dialog.Handle(), WM_COMMAND, IDOK, 0);
            dialog.DestroyWindow();
            chosenAt_ = Milliseconds();
            return IDOK;
        };
        window_ = std::make_unique<CkadomirDlg>(std::move(seams));
        window_->CreateModeless(nullptr);
        window_->Show(SW_SHOW);
    }
    ~Window() {
        SendMessageW(window_->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
        testing_support::PumpPending();
        window_->DestroyWindow();
    }
    // Runs a command's job to its end.
    bool RunJob(UINT command) {
        SendMessageW(window_->Handle(), WM_COMMAND, command, 0);
        const bool done = testing_support::PumpUntil([this] { return !Access::JobPending(*window_); }, 600000);
        sinceChosen_ = Milliseconds() - chosenAt_.load();
        return done;
    }
    // The last job's time from the selection dialog's answer to its end.
    double SinceChosen() const { return sinceChosen_; }
    testing_support::ScriptedPrompts prompts;

private:
    testing_support::CurrentDirectory inWork_;
    fw::ScopedPrompts scripted_{prompts};
    std::unique_ptr<CkadomirDlg> window_;
    std::atomic<double> chosenAt_{0.0};
    double sinceChosen_ = 0.0;
};

int TimeCsvExport() {
    testing_support::TempFolder work;
    const std::wstring source = work.File(L"source");
    CreateDirectoryW(source.c_str(), nullptr);
    MiniRecordingPlan plan;
    plan.dataSection.entryCount = 20;
    const Bytes bytes = MakeMiniRecording(plan);
    const char kinds[] = {'A', 'G', 'M', 'P', 'S'};
    std::vector<std::wstring> paths;
    for (int i = 0; i < kRecordings; ++i) {
        wchar_t name[40];
        swprintf(name, 40, L"\\24%02d%02d%02d%02d_%c%03d.MOV", 1 + i / 300, 1 + i / 24 % 28, i % 24, i % 60,
                 kinds[i % 5], i);
        paths.push_back(source + name);
        WriteWholeFile(paths.back(), bytes);
    }
    const double floor = Median(Rounds(15, [&] {
        for (const std::wstring& path : paths) ReadHeadAndTail(path);
    })) * 1000.0 / kRecordings;
    const std::wstring out = work.File(L"out");
    CreateDirectoryW(out.c_str(), nullptr);
    Window window(work.Path(), source);
    bool done = true;
    const double csv = Median(Rounds(5, [&] {
        window.prompts.QueueFolder({fw::FolderChoice::Outcome::Chosen, out});
        done = window.RunJob(38012) && done;
    })) * 1000.0 / kRecordings;
    std::printf("floor (open, 260 + 18 bytes): %8.2f us per recording\n", floor);
    std::printf("CSV export through the window: %7.2f us per recording (%.2fx the floor)\n", csv, csv / floor);
    if (!done) std::fprintf(stderr, "an export failed\n");
    return done ? 0 : 1;
}

int TimeJoin(const std::wstring& out, const std::vector<std::wstring>& sources) {
    testing_support::TempFolder work;
    const std::wstring folder = sources[0].substr(0, sources[0].find_last_of(L'\\'));
    // The window sets up the engine, whose table of box types the joiner
    // reads too.
    Window window(work.Path(), folder);
    const std::wstring joined = out + L"\\joiner.MOV";
    const std::wstring output = out + L"\\window.MOV";
    bool done = true;
    std::vector<double> joiner, through, afterChoice;
    // Taken in turns, so that both meet the disk in the same state.
    for (int round = 0; round < kJoinRounds; ++round) {
        double start = Milliseconds();
        done = JoinRecordings(sources, joined) && done;
        joiner.push_back(Milliseconds() - start);
        DeleteFileW(joined.c_str());
        window.prompts.QueueFile(output);
        start = Milliseconds();
        done = window.RunJob(38007) && GetFileAttributesW(output.c_str()) != INVALID_FILE_ATTRIBUTES && done;
        through.push_back(Milliseconds() - start);
        afterChoice.push_back(window.SinceChosen());
        DeleteFileW(output.c_str());
    }
    std::printf("joiner alone under Wine:  %8.0f ms\n", Best(joiner));
    // The selection dialog is made and answered at once: under Wine and
    // Xvfb making its window alone costs some tens of milliseconds.
    std::printf("join through the window:  %8.0f ms (%.3fx the joiner alone), from the selection's answer %.0f ms "
                "(%.3fx)\n",
                Best(through), Best(through) / Best(joiner), Best(afterChoice), Best(afterChoice) / Best(joiner));
    if (!done) std::fprintf(stderr, "a join failed\n");
    return done ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const fw::ComApartment ole(fw::ComApartment::Kind::Ole);  // as the program's thread is
    testing_support::EnsureGdiplus();
    const std::wstring mode = argc > 1 ? argv[1] : L"";
    if (mode == L"csv") {
        return TimeCsvExport();
    }
    if (mode == L"join" && argc > 3) {
        return TimeJoin(argv[2], std::vector<std::wstring>(argv + 3, argv + argc));
    }
    std::fprintf(stderr, "usage: main_window_job_timing csv | join OUT SOURCE...\n");
    return 2;
}
