#include "framework/UserPrompts.h"

#include <gtest/gtest.h>

#include <thread>

#include "framework/Application.h"
#include "support/DialogDriver.h"
#include "support/ScriptedPrompts.h"

namespace {

using testing_support::PressButton;
using testing_support::WaitForDialog;

// Presses a button of the next dialog the test thread shows.
class PressLater {
public:
    PressLater(int button, std::wstring caption = L"")
        : thread_([button, caption, id = GetCurrentThreadId()] { PressButton(WaitForDialog(id, caption), button); }) {}
    ~PressLater() { thread_.join(); }

private:
    std::thread thread_;
};

TEST(Prompts, AReplacementServesEveryThreadForItsScope) {
    testing_support::ScriptedPrompts outer;
    testing_support::ScriptedPrompts inner;
    EXPECT_EQ(&fw::Prompts(), &fw::PlatformPrompts());
    {
        fw::ScopedPrompts first(outer);
        {
            fw::ScopedPrompts second(inner);
            fw::UserPrompts* seen = nullptr;
            std::thread([&] { seen = &fw::Prompts(); }).join();
            EXPECT_EQ(seen, &inner);
        }
        EXPECT_EQ(&fw::Prompts(), &outer);
    }
    EXPECT_EQ(&fw::Prompts(), &fw::PlatformPrompts());
}

TEST(PlatformPrompts, TheMessageBoxAnswersWithTheButtonPressed) {
    {
        PressLater press(IDOK, L"ERROR");
        EXPECT_EQ(fw::PlatformPrompts().ShowMessage(nullptr, L"完了しました。", L"ERROR", MB_OK), IDOK);
    }
    {
        PressLater press(IDCANCEL, L"確認");
        EXPECT_EQ(fw::PlatformPrompts().ShowMessage(nullptr, L"続行しますか？", L"確認", MB_OKCANCEL), IDCANCEL);
    }
}

TEST(PlatformPrompts, TheFolderBrowserOpensAtTheStartFolder) {
    fw::RegisterCommonControls();
    {
        PressLater press(IDCANCEL);
        EXPECT_EQ(fw::PlatformPrompts().ChooseFolder(nullptr, L"title", L"C:\\windows").outcome,
                  fw::FolderChoice::Outcome::Cancelled);
    }
    {
        PressLater press(IDOK);
        const fw::FolderChoice choice = fw::PlatformPrompts().ChooseFolder(nullptr, L"title", L"C:\\windows");
        EXPECT_EQ(choice.outcome, fw::FolderChoice::Outcome::Chosen);
        EXPECT_EQ(_wcsicmp(choice.path.c_str(), L"C:\\windows"), 0) << choice.path.c_str();
    }
}

TEST(PlatformPrompts, ACancelledFileDialogGivesNothing) {
    PressLater press(IDCANCEL);
    fw::FileRequest request;
    request.initialName = L"*.mov";
    request.filter = L"Movie Files(*.mov;*.mp4)|*.mov;*mp4|All Files(*.*)|*.*||";
    EXPECT_FALSE(fw::PlatformPrompts().ChooseFile(nullptr, request).has_value());
}

}  // namespace
