#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "FakeEngine.h"
#include "app/CkadomirDlg.h"
#include "support/ScriptedPrompts.h"
#include "support/TempFolder.h"

namespace testing_support {

// Timers that are only logged, in the fake engine's log, so their order
// against the engine's calls shows; none of them fires by itself. A test
// fires one by sending WM_TIMER (Fire).
class LoggedTimers : public WindowTimers {
public:
    void Start(HWND window, UINT_PTR id, UINT milliseconds) override;
    void Stop(HWND window, UINT_PTR id) override;
    bool Armed(UINT_PTR id) const { return armed_.count(id) != 0; }

private:
    std::set<UINT_PTR> armed_;
};

// Dispatches this thread's messages, through the dialog manager for
// `dialog` so keys reach it as in its own loop, until WM_QUIT arrives
// (true) or the time is up.
bool PumpUntilQuit(HWND dialog, DWORD timeoutMs = 5000);

// A main window made in the test's own thread, modeless, so the test owns
// the message pump. Each test gets a fresh working directory (which is the
// program folder, and so holds the settings file), scripted prompts and
// the fake engine.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    MainWindowSeams Seams();
    void Start();
    void Start(MainWindowSeams seams);
    // SC_CLOSE as the system menu sends it; true when the window asked its
    // loop to end.
    bool CloseFromSystemMenu();

    // A folder of standard recordings that the settings name as the source,
    // so the window lists it at start; Samples() is one in the working folder.
    void UseSourceFolder(const std::wstring& folder, std::initializer_list<const char*> recordings);
    std::wstring Samples() const { return folder.File(L"samples"); }
    void Fire(UINT_PTR timer) const { SendMessageW(Window(), WM_TIMER, timer, 0); }
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return SendMessageW(Window(), message, wParam, lParam);
    }
    void Command(UINT id) const { Send(WM_COMMAND, id); }
    void PostToVideo(UINT message) const { PostMessageW(Child(1000), message, 0, 0); }
    bool Armed(UINT_PTR timer) const { return timers_->Armed(timer); }
    // Fires the deferred opening and waits for the clip's data to arrive.
    bool OpenChosenClip();
    // Selects a row of the recording list as a click does.
    void ClickRow(int row) const;
    // Waits, without handling anything, until a job's thread is blocked in
    // sending to this thread; false when none does in time.
    static bool WaitUntilAJobSends();
    // Handles messages until the running job has been wound up.
    bool FinishJob() const;
    // The folder's file names, in name order.
    static std::vector<std::wstring> FilesIn(const std::wstring& folder);

    HWND Window() const { return dialog->Handle(); }
    HWND Child(int id) const { return GetDlgItem(Window(), id); }
    // A child's rectangle in the main window's client coordinates.
    RECT ChildRect(HWND child) const;
    RECT ChildRect(int id) const { return ChildRect(Child(id)); }
    std::wstring ToolTipText(HWND tool) const;
    std::wstring Setting(const wchar_t* section, const wchar_t* key) const;
    void WriteSetting(const wchar_t* section, const wchar_t* key, const wchar_t* value) const;

    FakeEngine& engine = FakeEngine::Instance();
    PlayerEngine& block = ThePlayerEngine();
    TempFolder folder;
    ScriptedPrompts prompts;
    // The selection dialog of the delete and join jobs: the rows it ticks,
    // the button that closes it, and the owner it was run over.
    std::vector<int> selectionTicks;
    INT_PTR selectionAnswer = IDOK;
    std::atomic<HWND> selectionOwner{nullptr};
    // The free space of every folder the join asks about.
    std::optional<uint64_t> freeBytes = uint64_t{1} << 40;
    std::vector<bool> mapWindowKinds;  // what the map factory was asked for
    IHostWebViewFuncs* mapWindowBridge = nullptr;  // what its page would call
    std::unique_ptr<CkadomirDlg> dialog;

private:
    std::unique_ptr<CurrentDirectory> currentDirectory_;
    std::unique_ptr<fw::ScopedPrompts> scopedPrompts_;
    std::shared_ptr<LoggedTimers> timers_;
    bool closed_ = false;
};

}  // namespace testing_support
