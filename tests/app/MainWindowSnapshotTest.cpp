// The snapshot command over the fake engine: the file's name in a chosen
// Japanese folder, the folder remembered, a kept file, a grab that gives
// nothing, and a list with no row selected.
#include <gtest/gtest.h>

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <string>

#include "support/CkadomirDlgTestAccess.h"
#include "support/MainWindowFixture.h"
#include "ui/core/UiTextTable.h"

namespace {

using Access = CkadomirDlgTestAccess;
using fw::FolderChoice;

class MainWindowSnapshot : public testing_support::MainWindowTest {
protected:
    void StartPlaying(const std::wstring& folderName) {
        UseSourceFolder(Samples(), {"2401020304_A001.MOV"});
        Start();
        ASSERT_TRUE(OpenChosenClip());
        Command(38002);
        engine.currentFrame = 120;
        pictures = folder.File(folderName);
        CreateDirectoryW(pictures.c_str(), nullptr);
    }
    void Snapshot() {
        prompts.QueueFolder({FolderChoice::Outcome::Chosen, pictures});
        Command(38006);
    }
    std::wstring Expected() const {
        const uint32_t sequence = Access::Shown(*dialog)[0].sequenceNumber;
        wchar_t numbers[32];
        swprintf(numbers, 32, L"-000_%03u_000120.jpg", sequence);
        return pictures.substr(pictures.rfind(L'\\') + 1) + L"-2401020304_A001" + numbers;
    }
    std::wstring pictures;
};

TEST_F(MainWindowSnapshot, TheFrameIsSavedUnderItsNameAndAKeptFileIsNotTouched) {
    StartPlaying(L"写真");
    engine.snapshotResult = 1;
    engine.snapshotWritesFile = true;
    Snapshot();
    EXPECT_EQ(FilesIn(pictures), std::vector<std::wstring>{Expected()});
    EXPECT_EQ(Setting(L"FOLDERPATH", L"SNAPSHOT_FOLDER"), pictures);
    ASSERT_EQ(prompts.Messages().size(), 1u);
    EXPECT_EQ(prompts.Messages()[0].text, UiText(48));
    EXPECT_EQ(prompts.Messages()[0].caption, UiText(49));
    EXPECT_EQ(block.EnginePlayState, PlayState::kPaused);
    EXPECT_EQ(Access::ControlsOff(*dialog), 0);
    EXPECT_TRUE(IsWindowEnabled(Child(1001)));

    prompts.QueueMessageAnswer(IDCANCEL);
    engine.Log("again");
    Snapshot();
    EXPECT_EQ(prompts.Messages().back().text, UiText(93));
    EXPECT_EQ(engine.CallsFrom("again"), std::vector<std::string>{"again"});
}

TEST_F(MainWindowSnapshot, AGrabThatGivesNoFileIsAnErrorAlsoWithoutASelectedRow) {
    StartPlaying(L"pictures");
    ListView_SetItemState(Child(1001), -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    engine.snapshotResult = 1;  // said done, left nothing
    Snapshot();
    engine.snapshotResult = 0;
    Snapshot();
    ASSERT_EQ(prompts.Messages().size(), 2u);
    for (const auto& message : prompts.Messages()) {
        EXPECT_EQ(message.text, UiText(100));
    }
    // The open clip's name was asked for, and nothing was kept.
    const std::wstring name = Expected();
    const std::string line = "SaveSnapshot " + std::string(name.begin(), name.end());
    EXPECT_EQ(engine.Lines("SaveSnapshot"), std::vector<std::string>(2, line));
    EXPECT_TRUE(FilesIn(pictures).empty());
    EXPECT_EQ(Setting(L"FOLDERPATH", L"SNAPSHOT_FOLDER"), L"");
}

}  // namespace
