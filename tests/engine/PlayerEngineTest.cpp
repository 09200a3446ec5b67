#include "PlayerEngine.h"

#include <gtest/gtest.h>

#include <cstddef>

#include "TestRecordings.h"

namespace {

class PlayerEngineTest : public ::testing::Test {
protected:
    void TearDown() override { PlayerEngine::Uninit(&engine_); }
    PlayerEngine engine_;
};

TEST_F(PlayerEngineTest, InitCreatesTheLocksAndReadiesEveryReader) {
    ASSERT_EQ(PlayerEngine::Init(&engine_, nullptr, L"face"), 1);
    EXPECT_TRUE(engine_.fileLock.IsOpen());
    EXPECT_TRUE(engine_.cacheLock.IsOpen());
    EXPECT_STREQ(engine_.fileLock.Name(), L"hFileMutex");
    EXPECT_STREQ(engine_.cacheLock.Name(), L"hCacheFileMutex");
    EXPECT_EQ(engine_.EngineSpeedIndex, 1);
    EXPECT_EQ(engine_.EnginePlayState, PlayState::kNone);
    EXPECT_EQ(PlayerEngineWaiters, 0u);

    // Every reader can walk (each has its walk lock) and is emptied again.
    for (MappedMovieFile* reader : {&engine_.ShownClipReader, &engine_.LoadedClipReader, &engine_.PreloadReader}) {
        ASSERT_TRUE(reader->OpenAndParse(TestRecordingPath("2401020304_A001.MOV").wstring()));
    }
    ASSERT_EQ(PlayerEngine::Uninit(&engine_), 1);
    EXPECT_FALSE(engine_.fileLock.IsOpen());
    EXPECT_FALSE(engine_.cacheLock.IsOpen());
    for (MappedMovieFile* reader : {&engine_.ShownClipReader, &engine_.LoadedClipReader, &engine_.PreloadReader}) {
        EXPECT_EQ(reader->Records(), nullptr);
        EXPECT_TRUE(reader->Path().empty());
    }
    EXPECT_EQ(PlayerEngineWaiters, 0u);
}

TEST_F(PlayerEngineTest, InitAgainUndoesTheEarlierSetUp) {
    ASSERT_EQ(PlayerEngine::Init(&engine_, nullptr, L"face"), 1);
    engine_.EngineSpeedIndex = 4;
    engine_.EngineGroupTrack = std::make_unique<std::vector<GpsRecord>>(3);
    ASSERT_EQ(PlayerEngine::Init(&engine_, nullptr, L"face"), 1);
    EXPECT_EQ(engine_.EngineSpeedIndex, 1);
    EXPECT_EQ(engine_.EngineGroupTrack, nullptr);
    EXPECT_EQ(PlayerEngineWaiters, 0u);
}

// A failed set-up holds nothing until the program ends: the locks that were
// made are closed at once.
TEST_F(PlayerEngineTest, FailedLockCreationFailsInitAndKeepsNothing) {
    for (const wchar_t* failing : {L"hFileMutex", L"hCacheFileMutex", L"hMutexFind"}) {
        ScopedNamedMutexFactory refuse([failing](const wchar_t* name) -> std::unique_ptr<NamedMutex> {
            if (std::wstring(name) == failing) return nullptr;
            return CreateSystemNamedMutex(name);
        });
        EXPECT_EQ(PlayerEngine::Init(&engine_, nullptr, L"face"), 0);
        EXPECT_FALSE(engine_.fileLock.IsOpen()) << failing;
        EXPECT_FALSE(engine_.cacheLock.IsOpen()) << failing;
        EXPECT_EQ(PlayerEngineWaiters, 0u);
    }
}

TEST_F(PlayerEngineTest, ResetTakesALiveEngineBackToItsStartValues) {
    ASSERT_EQ(PlayerEngine::Init(&engine_, nullptr, L"face"), 1);
    ASSERT_TRUE(engine_.ShownClipReader.OpenAndParse(TestRecordingPath("2401020304_A001.MOV").wstring()));
    engine_.frameDuration = 33.0f;
    engine_.hardwareDecoding = 1;
    engine_.EngineSpeedIndex = -4;
    engine_.EnginePlayState = PlayState::kPaused;
    engine_.PlayerEngineReady = 1;
    engine_.clipDataLoaded = 1;
    engine_.codecHintText = L"hint";
    engine_.EngineGroupTrack = std::make_unique<std::vector<GpsRecord>>(2);

    PlayerEngine::Reset(&engine_);
    EXPECT_FALSE(engine_.fileLock.IsOpen());
    EXPECT_FALSE(engine_.cacheLock.IsOpen());
    EXPECT_EQ(engine_.ShownClipReader.Records(), nullptr);
    EXPECT_EQ(engine_.frameDuration, 0.0f);
    EXPECT_EQ(engine_.hardwareDecoding, 0u);
    EXPECT_EQ(engine_.EngineSpeedIndex, 1);
    EXPECT_EQ(engine_.EnginePlayState, PlayState::kNone);
    EXPECT_EQ(engine_.PlayerEngineReady, 0u);
    EXPECT_EQ(engine_.clipDataLoaded, 0u);
    EXPECT_EQ(engine_.codecHintText, nullptr);
    EXPECT_EQ(engine_.EngineGroupTrack, nullptr);
    EXPECT_EQ(PlayerEngineWaiters, 0u);

    // A reset block sets up like a new one.
    EXPECT_EQ(PlayerEngine::Init(&engine_, nullptr, L"face"), 1);
}

TEST_F(PlayerEngineTest, UninitOfAnEngineNeverSetUp) {
    EXPECT_EQ(PlayerEngine::Uninit(&engine_), 1);
    EXPECT_EQ(PlayerEngineWaiters, 0u);
}

TEST_F(PlayerEngineTest, RecorderFileTestThroughTheEngine) {
    ASSERT_EQ(PlayerEngine::Init(&engine_, nullptr, L"face"), 1);
    EXPECT_EQ(PlayerEngine::IsRecorderFile(&engine_, TestRecordingPath("2401020304_A001.MOV").wstring().c_str()), 1);
    EXPECT_EQ(PlayerEngine::IsRecorderFile(&engine_, TestRecordingPath("tail_none.MOV").wstring().c_str()), 0);
    EXPECT_EQ(PlayerEngine::IsRecorderFile(&engine_, L"no such file"), 0);
    EXPECT_EQ(PlayerEngine::IsRecorderFile(&engine_, nullptr), 0);
    EXPECT_EQ(PlayerEngineWaiters, 0u);
}

template <typename Member>
size_t SlotOf(Member PlayerEngineTable::*member) {
    static const PlayerEngineTable table{};
    return static_cast<size_t>(reinterpret_cast<const char*>(&(table.*member)) -
                               reinterpret_cast<const char*>(&table)) / sizeof(void (*)());
}

TEST(PlayerEngineTable, SlotsStandInTheirOrder) {
    EXPECT_EQ(SlotOf(&PlayerEngineTable::Init), 0u);
    EXPECT_EQ(SlotOf(&PlayerEngineTable::IsRecorderFile), 2u);
    EXPECT_EQ(SlotOf(&PlayerEngineTable::LoadClipData), 5u);
    EXPECT_EQ(SlotOf(&PlayerEngineTable::GetCurrentFrame), 11u);
    EXPECT_EQ(SlotOf(&PlayerEngineTable::SetFlag52), 14u);
    EXPECT_EQ(SlotOf(&PlayerEngineTable::SetHardwareDecoding), 16u);
    EXPECT_EQ(SlotOf(&PlayerEngineTable::SetSpeed), 18u);
    EXPECT_EQ(SlotOf(&PlayerEngineTable::GetTotalFrames), 22u);
    EXPECT_EQ(SlotOf(&PlayerEngineTable::GetFrameDuration), 24u);
    EXPECT_EQ(SlotOf(&PlayerEngineTable::SetVolume), 26u);
    EXPECT_EQ(SlotOf(&PlayerEngineTable::SetVideoZoom), 29u);
    EXPECT_EQ(SlotOf(&PlayerEngineTable::RedrawZoom), 32u);
}

TEST(PlayerEngineTable, EverySlotIsFilled) {
    PlayerEngineTable table{};
    FillPlayerEngineTable(table);
    const auto* slots = reinterpret_cast<void (*const*)()>(&table);
    for (size_t i = 0; i < kPlayerEngineTableSlots; ++i) EXPECT_NE(slots[i], nullptr) << "slot " << i;
}

TEST(PlayerEngineTable, SmallEntriesBehaveAsTheirRowsSay) {
    PlayerEngineTable table{};
    FillPlayerEngineTable(table);
    PlayerEngine engine;
    engine.frameDuration = 34.5f;

    EXPECT_EQ(table.SetFlag52(&engine, 7), &engine);
    EXPECT_EQ(engine.flag52, 7u);
    EXPECT_EQ(table.SetHardwareDecoding(&engine, 5), &engine);
    EXPECT_EQ(engine.hardwareDecoding, 1u);
    EXPECT_EQ(table.GetFrameDuration(&engine), 34.5f);

    // The unused slots do nothing and answer 0.
    EXPECT_EQ(table.Slot15(&engine), 0);
    EXPECT_EQ(table.Slot17(&engine), 0);
    EXPECT_EQ(table.GetZero64(&engine), 0);
    EXPECT_EQ(engine.flag52, 7u);
    EXPECT_EQ(engine.frameDuration, 34.5f);

    // Pairs that are one operation under two names.
    EXPECT_EQ(table.GetTotalFrames(&engine), table.GetFrameCount(&engine));
    EXPECT_EQ(table.JumpToFrame(&engine, 12), table.SeekToFrame(&engine, 12));
}

}  // namespace
