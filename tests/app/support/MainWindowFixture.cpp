#include "MainWindowFixture.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>

#include "CkadomirDlgTestAccess.h"
#include "KnownBoxTypes.h"
#include "TestRecordings.h"
#include "support/MapWindowStandIn.h"
#include "support/MessagePump.h"
#include "support/TestGdiplus.h"
#include "ui/shared/UiFonts.h"

namespace testing_support {

void LoggedTimers::Start(HWND, UINT_PTR id, UINT milliseconds) {
    FakeEngine::Instance().Log("StartTimer " + std::to_string(id) + " " + std::to_string(milliseconds));
    armed_.insert(id);
}

void LoggedTimers::Stop(HWND, UINT_PTR id) {
    FakeEngine::Instance().Log("StopTimer " + std::to_string(id));
    armed_.erase(id);
}

bool PumpUntilQuit(HWND dialog, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                return true;
            }
            if (dialog != nullptr && IsWindow(dialog) && IsDialogMessageW(dialog, &message)) {
                continue;
            }
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        if (GetTickCount64() >= deadline) {
            return false;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

void MainWindowTest::SetUp() {
    EnsureGdiplus();
    engine.Reset();
    PlayerEngine::Reset(&ThePlayerEngine());
    currentDirectory_ = std::make_unique<CurrentDirectory>(folder.Path());
    scopedPrompts_ = std::make_unique<fw::ScopedPrompts>(prompts);
}

void MainWindowTest::TearDown() {
    if (dialog != nullptr && dialog->Handle() != nullptr) {
        if (!closed_) {
            CloseFromSystemMenu();
        }
        dialog->DestroyWindow();
    }
    dialog.reset();
    DeleteUiFonts();
    FreeKnownBoxTypes();
    PlayerEngine::Reset(&ThePlayerEngine());
    scopedPrompts_.reset();
    currentDirectory_.reset();
}

MainWindowSeams MainWindowTest::Seams() {
    MainWindowSeams seams = ProductSeams();
    seams.fillEngineTable = FakeEngine::Fill;
    timers_ = std::make_shared<LoggedTimers>();
    seams.timers = timers_;
    seams.webViewRuntimeInstalled = [] { return false; };
    seams.mapWindows.webView = [this](IHostWebViewFuncs& bridge) -> std::unique_ptr<IWebViewMapWindow> {
        mapWindowKinds.push_back(true);
        mapWindowBridge = &bridge;
        return std::make_unique<MapWindowStandIn>(326);
    };
    seams.mapWindows.browserControl = [this](IHostWebViewFuncs& bridge) -> std::unique_ptr<IMapWindow> {
        mapWindowKinds.push_back(false);
        mapWindowBridge = &bridge;
        return std::make_unique<MapWindowStandIn>(134);
    };
    // The selection dialog runs modeless on the job's thread and is
    // answered at once.
    seams.runSelection = [this](CFileSelectDlg& selection, HWND owner) -> INT_PTR {
        selectionOwner = owner;
        if (!selection.CreateModeless(owner)) {
            return -1;
        }
        const HWND list = GetDlgItem(selection.Handle(), CFileSelectDlg::kListId);
        for (const int row : selectionTicks) {
            ListView_SetCheckState(list, row, TRUE);
        }
        SendMessageW(selection.Handle(), WM_COMMAND, selectionAnswer, 0);
        selection.DestroyWindow();
        return selectionAnswer;
    };
    seams.freeSpace = [this](const std::wstring&) { return freeBytes; };
    // The monitor answers at once and never goes on the network.
    seams.online.probeIntervalMs = 20;
    seams.online.probe = [] { return true; };
    return seams;
}

void MainWindowTest::Start() { Start(Seams()); }

void MainWindowTest::Start(MainWindowSeams seams) {
    dialog = std::make_unique<CkadomirDlg>(std::move(seams));
    ASSERT_TRUE(dialog->CreateModeless(nullptr));
    dialog->Show(SW_SHOW);
    UpdateWindow(Window());
}

void MainWindowTest::UseSourceFolder(const std::wstring& folder, std::initializer_list<const char*> recordings) {
    CreateDirectoryW(folder.c_str(), nullptr);
    for (const char* name : recordings) {
        const std::wstring target = folder + L"\\" + std::wstring(name, name + strlen(name));
        ASSERT_TRUE(CopyFileW(TestRecordingPath(name).wstring().c_str(), target.c_str(), FALSE)) << name;
    }
    WriteSetting(L"SOURCE", L"SELECT", L"FOLDER");
    WriteSetting(L"SOURCE", L"FOLDER", folder.c_str());
}

bool MainWindowTest::OpenChosenClip() {
    Fire(101);
    return PumpUntil([this] { return CkadomirDlgTestAccess::ClipOpen(*dialog) != 0; }, 10000);
}

void MainWindowTest::ClickRow(int row) const {
    ListView_SetItemState(Child(1001), row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

bool MainWindowTest::WaitUntilAJobSends() {
    const ULONGLONG deadline = GetTickCount64() + 5000;
    while (!(HIWORD(GetQueueStatus(QS_SENDMESSAGE)) & QS_SENDMESSAGE)) {
        if (GetTickCount64() >= deadline) {
            return false;
        }
        Sleep(1);
    }
    return true;
}

bool MainWindowTest::FinishJob() const {
    return PumpUntil([this] { return !CkadomirDlgTestAccess::JobPending(*dialog); }, 10000);
}

std::vector<std::wstring> MainWindowTest::FilesIn(const std::wstring& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return names;
    }
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            names.emplace_back(found.cFileName);
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

bool MainWindowTest::CloseFromSystemMenu() {
    closed_ = true;
    SendMessageW(Window(), WM_SYSCOMMAND, SC_CLOSE, 0);
    return PumpUntilQuit(Window());
}

RECT MainWindowTest::ChildRect(HWND child) const {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, Window(), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::wstring MainWindowTest::ToolTipText(HWND tool) const {
    wchar_t text[260] = L"";
    TTTOOLINFOW info{};
    info.cbSize = sizeof(info);
    info.hwnd = GetParent(tool);
    info.uId = reinterpret_cast<UINT_PTR>(tool);
    info.lpszText = text;
    SendMessageW(CkadomirDlgTestAccess::ToolTip(*dialog), TTM_GETTEXTW, 260, reinterpret_cast<LPARAM>(&info));
    return text;
}

std::wstring MainWindowTest::Setting(const wchar_t* section, const wchar_t* key) const {
    wchar_t value[260] = L"";
    GetPrivateProfileStringW(section, key, L"", value, 260, folder.File(L"Default_Folder.ini").c_str());
    return value;
}

void MainWindowTest::WriteSetting(const wchar_t* section, const wchar_t* key, const wchar_t* value) const {
    WritePrivateProfileStringW(section, key, value, folder.File(L"Default_Folder.ini").c_str());
}

}  // namespace testing_support
