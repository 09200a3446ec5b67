// Joining through the main window over the fake engine: the movie is the
// joiner's own, the ticked recordings carry the joined flag, and a join
// refused for space or failed in its write leaves no file and no setting.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>

#include "TestRecordings.h"
#include "joiner/JoinRecordings.h"
#include "support/CkadomirDlgTestAccess.h"
#include "support/MainWindowFixture.h"
#include "ui/core/UiTextTable.h"

namespace {

using Access = CkadomirDlgTestAccess;

// The real output, failing every write after the first `left` bytes.
class FailingSink final : public FileOutputSink {
public:
    FailingSink(std::unique_ptr<FileOutputSink> real, uint64_t left) : real_(std::move(real)), left_(left) {}
    bool Write(const uint8_t* data, size_t size) override {
        if (size > left_) return false;
        left_ -= size;
        return real_->Write(data, size);
    }
    bool Commit() override { return real_->Commit(); }

private:
    std::unique_ptr<FileOutputSink> real_;
    uint64_t left_;
};

class MainWindowJoin : public testing_support::MainWindowTest {
protected:
    void StartOnJoinRecordings() {
        UseSourceFolder(Samples(), {"2401020312_G002.MOV", "2401021000_A010.MOV", "2401021010_A011.MOV",
                                    "2401021020_A012.MOV"});
        MainWindowSeams seams = Seams();
        seams.createJoinOutput = [this](const std::wstring& path) -> std::unique_ptr<FileOutputSink> {
            return std::make_unique<FailingSink>(CreateFileOutputSink(path), writeBudget);
        };
        Start(std::move(seams));
        // The impact recording's filter off: rows and walk order part.
        Command(38701);
        ASSERT_EQ(Access::Shown(*dialog).size(), 3u);
    }
    std::vector<uint32_t> Flags() const {
        std::vector<uint32_t> flags;
        for (const MovieFileRecord& record : Access::Shown(*dialog)) flags.push_back(record.joinedFlag);
        return flags;
    }
    std::wstring Recording(const wchar_t* name) const { return Samples() + L"\\" + name; }

    uint64_t writeBudget = ~uint64_t{0};
};

TEST_F(MainWindowJoin, TheTickedRunIsJoinedByteForByteAsTheJoinerDoesIntoAJapaneseName) {
    StartOnJoinRecordings();
    const std::wstring out = folder.File(L"結合 出力");
    CreateDirectoryW(out.c_str(), nullptr);
    const std::wstring output = out + L"\\つないだ動画.MOV";
    selectionTicks = {1, 2};
    prompts.QueueFile(output);
    Command(38007);
    ASSERT_TRUE(FinishJob());

    const std::wstring reference = folder.File(L"reference.MOV");
    ASSERT_TRUE(JoinRecordings({Recording(L"2401021010_A011.MOV"), Recording(L"2401021020_A012.MOV")}, reference));
    EXPECT_EQ(ReadWholeFile(output), ReadWholeFile(reference));
    EXPECT_EQ(PlayerEngine::IsRecorderFile(&block, output.c_str()), 1);
    EXPECT_EQ(Flags(), (std::vector<uint32_t>{0, 1, 1}));
    EXPECT_EQ(Setting(L"FOLDERPATH", L"CONNECT_FOLDER"), out);
    EXPECT_EQ(selectionOwner.load(), Window());
    ASSERT_EQ(prompts.FileRequests().size(), 1u);
    EXPECT_EQ(prompts.FileRequests()[0].initialName, L"2401021010_A011.MOV");
    ASSERT_EQ(prompts.Messages().size(), 1u);
    EXPECT_EQ(prompts.Messages()[0].text, UiText(48));
}

TEST_F(MainWindowJoin, CancelledChoicesTooLittleSpaceAndAFailedWriteLeaveNothing) {
    StartOnJoinRecordings();
    const std::wstring out = folder.File(L"out");
    CreateDirectoryW(out.c_str(), nullptr);
    selectionTicks = {0, 1};
    selectionAnswer = IDCANCEL;
    Command(38007);
    ASSERT_TRUE(FinishJob());
    selectionAnswer = IDOK;
    prompts.QueueFile(std::nullopt);
    Command(38007);
    ASSERT_TRUE(FinishJob());
    // Exactly the recordings' size free: refused.
    freeBytes = ReadWholeFile(Recording(L"2401021000_A010.MOV")).size() +
                ReadWholeFile(Recording(L"2401021010_A011.MOV")).size();
    prompts.QueueFile(out + L"\\joined.MOV");
    Command(38007);
    ASSERT_TRUE(FinishJob());
    freeBytes = uint64_t{1} << 40;
    writeBudget = 100000;
    prompts.QueueFile(out + L"\\joined.MOV");
    Command(38007);
    ASSERT_TRUE(FinishJob());

    EXPECT_EQ(prompts.FileRequests().size(), 3u);
    ASSERT_EQ(prompts.Messages().size(), 2u);
    for (const auto& message : prompts.Messages()) {
        EXPECT_EQ(message.text, UiText(95));
        EXPECT_EQ(message.caption, L"ERROR");
    }
    EXPECT_TRUE(FilesIn(out).empty());
    EXPECT_EQ(Flags(), (std::vector<uint32_t>{0, 0, 0}));
    EXPECT_EQ(Setting(L"FOLDERPATH", L"CONNECT_FOLDER"), L"");
}

}  // namespace
