#include "ClipMetadataReaders.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <future>
#include <thread>

#include "BoxBytes.h"
#include "PlayerEngine.h"
#include "ReaderTestSupport.h"
#include "StandardRecordings.h"
#include "TestRecordings.h"

namespace {

using namespace std::chrono_literals;

constexpr wchar_t kNoSection[] = L"memory/no-section.MOV";

std::wstring Recording(const char* name) { return TestRecordingPath(name).wstring(); }

std::string Version(const CsRecord& record) {
    return std::string(reinterpret_cast<const char*>(record.versionBytes), 7);
}

class ClipMetadataReadersTest : public ::testing::Test {
protected:
    void SetUp() override {
        files_.Add(kNoSection, Concat({Box("ftyp", Zeros(8)), Box("mdat", Zeros(32))}));
        ASSERT_EQ(PlayerEngine::Init(&engine_, nullptr, L"face"), 1);
    }
    void TearDown() override {
        PlayerEngine::Uninit(&engine_);
        EXPECT_EQ(PlayerEngineWaiters, 0u);
        EXPECT_TRUE(errors_.Errors().empty());
    }

    // True when another thread can take the file lock, so no reader kept it.
    bool FileLockIsFree() {
        auto taken = std::async(std::launch::async, [this] { EngineLockGuard hold(engine_.fileLock); });
        return taken.wait_for(5s) == std::future_status::ready;
    }

    MemoryFiles files_;
    RecordedMappingErrors errors_;
    PlayerEngine engine_;
};

TEST_F(ClipMetadataReadersTest, RecorderRecordOfARecording) {
    CsRecord record;
    ASSERT_EQ(ReadClipCsRecord(&engine_, record, Recording("2401020304_A001.MOV").c_str()), 1);
    EXPECT_EQ(record.typeLetter, 'M');
    EXPECT_EQ(Version(record), "010203H");
    EXPECT_EQ(record.numbers[0], 0.001f);

    ASSERT_EQ(ReadClipCsRecord(&engine_, record, Recording("2401020312_G002.MOV").c_str()), 1);
    EXPECT_EQ(Version(record), "021031F");
    EXPECT_EQ(PlayerEngineWaiters, 0u);
}

// No record, no success: the caller must not show a version of 0.0.0.
TEST_F(ClipMetadataReadersTest, NoRecordIsAFailure) {
    CsRecord kept;
    kept.typeLetter = 'D';
    kept.versionBytes[0] = '9';
    for (const std::wstring& path : {std::wstring(kNoSection), std::wstring(L"no such file.MOV")}) {
        CsRecord record = kept;
        EXPECT_EQ(ReadClipCsRecord(&engine_, record, path.c_str()), 0);
        EXPECT_EQ(record.typeLetter, 'D') << "left as it was";
        EXPECT_EQ(record.versionBytes[0], '9');
    }
    CsRecord record = kept;
    EXPECT_EQ(ReadClipCsRecord(&engine_, record, nullptr), 0);
    EXPECT_EQ(record.typeLetter, 'D');
    EXPECT_TRUE(FileLockIsFree());
}

TEST_F(ClipMetadataReadersTest, InvalidRecordIsReadButNotAccepted) {
    CsRecord record;
    EXPECT_EQ(ReadClipCsRecord(&engine_, record, Recording("2401020330_P004.MOV").c_str()), 0);
    EXPECT_EQ(record.typeLetter, 'X');
    EXPECT_EQ(record.numbers[0], -1.0f);
    EXPECT_EQ(Version(record), std::string(7, '\0'));
}

TEST_F(ClipMetadataReadersTest, RecorderRecordWaitsForTheFileLock) {
    std::promise<void> held;
    std::promise<void> release;
    std::thread holder([&] {
        EngineLockGuard hold(engine_.fileLock);
        held.set_value();
        release.get_future().wait();
    });
    held.get_future().wait();
    CsRecord record;
    auto read = std::async(std::launch::async, [&] {
        return ReadClipCsRecord(&engine_, record, Recording("2401020304_A001.MOV").c_str());
    });
    EXPECT_EQ(read.wait_for(200ms), std::future_status::timeout);
    release.set_value();
    EXPECT_EQ(read.get(), 1);
    holder.join();
}

TEST_F(ClipMetadataReadersTest, ResolutionLetter) {
    EXPECT_EQ(ReadClipCsLetter(Recording("2401020304_A001.MOV").c_str()), 'H');
    EXPECT_EQ(ReadClipCsLetter(Recording("2401020312_G002.MOV").c_str()), 'F');
    EXPECT_EQ(ReadClipCsLetter(Recording("cs_run.MOV").c_str()), 'F') << "the last record of a run";
    EXPECT_EQ(ReadClipCsLetter(Recording("2401020330_P004.MOV").c_str()), 0) << "an invalid record";
    EXPECT_EQ(ReadClipCsLetter(kNoSection), 0) << "no data section";
    EXPECT_EQ(ReadClipCsLetter(L"no such file.MOV"), 0);
}

// Every standard recording gives back the recorder record its recipe wrote.
TEST_F(ClipMetadataReadersTest, RecorderRecordOfEveryStandardRecording) {
    for (const RecordingRecipe& recipe : StandardRecordings()) {
        const std::wstring path = Recording(recipe.fileName.c_str());
        CsRecord record;
        const int32_t found = ReadClipCsRecord(&engine_, record, path.c_str());
        const int8_t letter = ReadClipCsLetter(path.c_str());
        if (recipe.cutAt != 0) {
            EXPECT_EQ(found, 0) << recipe.fileName;
            EXPECT_EQ(letter, 0) << recipe.fileName;
            continue;
        }
        if (recipe.csRunInEntry0) {
            EXPECT_EQ(found, 1);
            EXPECT_EQ(Version(record), "090807F") << "the run's second record wins";
            continue;
        }
        const bool valid = recipe.recordType == 'M' || recipe.recordType == 'D';
        EXPECT_EQ(found, valid ? 1 : 0) << recipe.fileName;
        EXPECT_EQ(record.typeLetter, recipe.recordType) << recipe.fileName;
        if (!valid) {
            EXPECT_EQ(letter, 0) << recipe.fileName;
            continue;
        }
        char version[8];
        std::snprintf(version, sizeof version, "%02d%02d%02d%c", recipe.firmware[0], recipe.firmware[1],
                      recipe.firmware[2], recipe.resolutionLetter);
        EXPECT_EQ(Version(record), version) << recipe.fileName;
        EXPECT_EQ(letter, recipe.resolutionLetter) << recipe.fileName;
    }
}

TEST_F(ClipMetadataReadersTest, EmptyGroupGivesAnEmptyTrack) {
    engine_.EngineGroupTrack = std::make_unique<std::vector<GpsRecord>>(3);
    EXPECT_EQ(LoadGroupGpsTrack(&engine_, {}), 1);
    ASSERT_NE(engine_.EngineGroupTrack, nullptr);
    EXPECT_TRUE(engine_.EngineGroupTrack->empty());
}

TEST_F(ClipMetadataReadersTest, GroupTrackFollowsTheGroupsOrder) {
    const RecordingRecipe& plain = StandardRecording("2401020304_A001.MOV");
    const RecordingRecipe& impact = StandardRecording("2401020312_G002.MOV");
    ASSERT_EQ(LoadGroupGpsTrack(&engine_, {Recording("2401020312_G002.MOV"), kNoSection,
                                           Recording("2401020304_A001.MOV")}),
              1);
    const std::vector<GpsRecord>& track = *engine_.EngineGroupTrack;
    const size_t first = static_cast<size_t>(impact.EntryCount());
    ASSERT_EQ(track.size(), first + static_cast<size_t>(plain.EntryCount()));
    // Each recording counts its entries and times from its own start.
    EXPECT_EQ(track[first - 1].entryIndex, impact.EntryCount() - 1);
    EXPECT_EQ(track[first].entryIndex, 0);
    EXPECT_EQ(track[first].time, 0);
    EXPECT_NEAR(track[0].latitude, ExpectEntry(impact, 0).latitude, 1e-9);
    EXPECT_NEAR(track[first + 5].longitude, ExpectEntry(plain, 5).longitude, 1e-9);
    EXPECT_EQ(PlayerEngineWaiters, 0u);
}

// The map page reads the group track under the file lock: the track is
// never replaced while someone holds it.
TEST_F(ClipMetadataReadersTest, GroupTrackWaitsForTheFileLock) {
    engine_.EngineGroupTrack = std::make_unique<std::vector<GpsRecord>>(3);
    const std::vector<GpsRecord>* before = engine_.EngineGroupTrack.get();
    std::promise<void> held;
    std::promise<void> release;
    std::thread holder([&] {
        EngineLockGuard hold(engine_.fileLock);
        held.set_value();
        release.get_future().wait();
    });
    held.get_future().wait();
    auto load = std::async(std::launch::async,
                           [&] { return LoadGroupGpsTrack(&engine_, {Recording("2401020304_A001.MOV")}); });
    const auto deadline = std::chrono::steady_clock::now() + 10s;
    while (PlayerEngineWaiters.load() < 2 && load.wait_for(0s) != std::future_status::ready &&
           std::chrono::steady_clock::now() < deadline) {
        std::this_thread::yield();
    }
    EXPECT_EQ(PlayerEngineWaiters.load(), 2u) << "the loader did not wait for the lock";
    EXPECT_EQ(engine_.EngineGroupTrack.get(), before);
    release.set_value();
    EXPECT_EQ(load.get(), 1);
    holder.join();
    EXPECT_EQ(engine_.EngineGroupTrack->size(), 80u);
}

TEST_F(ClipMetadataReadersTest, GroupStopsAtARecordingThatCannotBeOpened) {
    EXPECT_EQ(LoadGroupGpsTrack(&engine_, {Recording("2401020304_A001.MOV"), L"missing.MOV",
                                           Recording("2401020312_G002.MOV")}),
              0);
    ASSERT_NE(engine_.EngineGroupTrack, nullptr);
    EXPECT_EQ(engine_.EngineGroupTrack->size(), 80u) << "what was gathered stays";
    EXPECT_TRUE(FileLockIsFree());
    EXPECT_EQ(PlayerEngineWaiters, 0u);
}

}  // namespace
