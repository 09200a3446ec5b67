#include "ClipDataPreload.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <thread>

#include "PlayerEngine.h"
#include "ReaderTestSupport.h"
#include "TestRecordings.h"

namespace {

std::wstring Recording(const char* name) { return TestRecordingPath(name).wstring(); }

class ClipDataPreloadTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(PlayerEngine::Init(&engine_, nullptr, L"face"), 1);
        engine_.PlayerEngineReady = 1;
    }
    void TearDown() override {
        engine_.PlayerEngineReady = 0;
        PlayerEngine::Uninit(&engine_);
        EXPECT_EQ(PlayerEngineWaiters, 0u);
    }

    PlayerEngine engine_;
};

TEST_F(ClipDataPreloadTest, NothingHappensWhileTheEngineIsNotReady) {
    engine_.PlayerEngineReady = 0;
    EXPECT_EQ(PreloadClipData(engine_, Recording("2401020304_A001.MOV").c_str()), 0);
    EXPECT_EQ(engine_.PreloadReader.Records(), nullptr);
}

TEST_F(ClipDataPreloadTest, NoPathEmptiesTheArea) {
    ASSERT_EQ(PreloadClipData(engine_, Recording("2401020304_A001.MOV").c_str()), 1);
    EXPECT_EQ(engine_.PreloadReader.parsedFlag, 1u);
    EXPECT_EQ(PreloadClipData(engine_, nullptr), 1);
    EXPECT_EQ(engine_.PreloadReader.Records(), nullptr);
    EXPECT_TRUE(engine_.PreloadReader.Path().empty());
    EXPECT_EQ(engine_.PreloadReader.parsedFlag, 0u);
    EXPECT_EQ(engine_.PreloadReader.busyFlag, 0u);
}

TEST_F(ClipDataPreloadTest, FailedPreloadLeavesTheAreaEmpty) {
    EXPECT_EQ(PreloadClipData(engine_, Recording("cut_in_mdat.MOV").c_str()), 0);
    EXPECT_EQ(engine_.PreloadReader.Records(), nullptr);
    EXPECT_TRUE(engine_.PreloadReader.Path().empty());
}

TEST_F(ClipDataPreloadTest, LoadingThePreloadedClipTakesItsRecordsWithoutParsingAgain) {
    MemoryFiles counting;  // falls back to the real files, counting opens
    const std::wstring clip = Recording("2401020304_A001.MOV");
    ASSERT_EQ(PreloadClipData(engine_, clip.c_str()), 1);
    ASSERT_EQ(OpenClipIntoLoadedReader(&engine_, clip.c_str()), 1);
    EXPECT_EQ(counting.Opens(clip), 1);
    ASSERT_NE(engine_.LoadedClipReader.Records(), nullptr);
    EXPECT_EQ(engine_.LoadedClipReader.Records()->gps.size(), 80u);
    EXPECT_EQ(engine_.LoadedClipReader.Path(), clip);
    EXPECT_EQ(engine_.ShownClipReader.Path(), clip);
    EXPECT_EQ(engine_.PreloadReader.Records(), nullptr);
    EXPECT_TRUE(engine_.PreloadReader.Path().empty());
}

TEST_F(ClipDataPreloadTest, LoadingAnotherClipDropsThePreloadAndParses) {
    MemoryFiles counting;
    const std::wstring preloaded = Recording("2401020304_A001.MOV");
    const std::wstring wanted = Recording("2401020312_G002.MOV");
    ASSERT_EQ(PreloadClipData(engine_, preloaded.c_str()), 1);
    ASSERT_EQ(OpenClipIntoLoadedReader(&engine_, wanted.c_str()), 1);
    EXPECT_EQ(counting.Opens(wanted), 1);
    EXPECT_EQ(engine_.LoadedClipReader.Path(), wanted);
    EXPECT_EQ(engine_.LoadedClipReader.Records()->gps.size(), 49u);
    EXPECT_EQ(engine_.PreloadReader.Records(), nullptr);
    EXPECT_EQ(engine_.PreloadReader.parsedFlag, 0u);
}

// Holds the pre-load of one file inside its walk until the test lets it go.
class Gate {
public:
    void Pass() {
        std::unique_lock<std::mutex> hold(lock_);
        arrived_ = true;
        changed_.notify_all();
        changed_.wait(hold, [this] { return open_; });
    }
    void WaitForArrival() {
        std::unique_lock<std::mutex> hold(lock_);
        changed_.wait(hold, [this] { return arrived_; });
    }
    void Open() {
        std::lock_guard<std::mutex> hold(lock_);
        open_ = true;
        changed_.notify_all();
    }

private:
    std::mutex lock_;
    std::condition_variable changed_;
    bool arrived_ = false;
    bool open_ = false;
};

class GatedSource final : public ByteSource {
public:
    GatedSource(std::unique_ptr<ByteSource> inner, Gate& gate) : inner_(std::move(inner)), gate_(gate) {}
    uint64_t Size() const override { return inner_->Size(); }
    uint32_t AllocationGranularity() const override { return inner_->AllocationGranularity(); }
    std::unique_ptr<MappedBytes> Map(uint64_t offset, size_t length, ViewUse use, uint32_t& error) override {
        if (++maps_ == 2) gate_.Pass();
        return inner_->Map(offset, length, use, error);
    }

private:
    std::unique_ptr<ByteSource> inner_;
    Gate& gate_;
    int maps_ = 0;
};

TEST_F(ClipDataPreloadTest, LoadingAnotherClipCutsARunningPreloadShort) {
    const std::wstring slow = Recording("2401020304_A001.MOV");
    const std::wstring wanted = Recording("2401020312_G002.MOV");
    Gate gate;
    ScopedByteSourceOpener gated([&](const std::filesystem::path& path) -> std::unique_ptr<ByteSource> {
        auto source = OpenFileByteSource(path);
        if (path.wstring() != slow || !source) return source;
        return std::make_unique<GatedSource>(std::move(source), gate);
    });

    int32_t preloadResult = -1, loadResult = -1;
    std::thread preloader([&] { preloadResult = PreloadClipData(engine_, slow.c_str()); });
    gate.WaitForArrival();
    std::thread loader([&] { loadResult = OpenClipIntoLoadedReader(&engine_, wanted.c_str()); });
    while (engine_.PreloadReader.cancelFlag == 0) std::this_thread::yield();
    gate.Open();
    preloader.join();
    loader.join();

    EXPECT_EQ(preloadResult, 0);
    EXPECT_EQ(loadResult, 1);
    EXPECT_EQ(engine_.LoadedClipReader.Path(), wanted);
    EXPECT_EQ(engine_.PreloadReader.Records(), nullptr);
    EXPECT_EQ(engine_.PreloadReader.cancelFlag, 0u);
}

// A thousand rounds of the main window's pattern: one thread pre-loads the
// next clip over and over while another empties the area, loads a clip
// (taking the pre-load over or parsing) and drops its records again. An
// area emptied outside its lock rarely crashes here; it shows as a data
// race, so the test command runs this under ThreadSanitizer too.
TEST_F(ClipDataPreloadTest, PreloadHandOverAndCloseRaceWithoutHarm) {
    const std::vector<std::wstring> clips = {Recording("2401020304_A001.MOV"), Recording("2401020312_G002.MOV"),
                                             Recording("2401020320_M003.MOV"), Recording("2401020330_P004.MOV")};
    constexpr int kRounds = 1000;
    std::atomic<int> failedLoads{0};
    std::thread preloader([&] {
        for (int i = 0; i < kRounds; ++i) PreloadClipData(engine_, clips[i % clips.size()].c_str());
    });
    std::thread loader([&] {
        for (int i = 0; i < kRounds; ++i) {
            if (i % 2 == 0) {
                PreloadClipData(engine_, nullptr);
                continue;
            }
            if (OpenClipIntoLoadedReader(&engine_, clips[(i / 2) % clips.size()].c_str()) != 1) ++failedLoads;
            EngineLockGuard hold(engine_.fileLock);
            const ClipRecords* records = engine_.LoadedClipReader.Records();
            if (records == nullptr || records->gps.empty()) ++failedLoads;
            engine_.LoadedClipReader.ClearRecords();
        }
    });
    preloader.join();
    loader.join();
    EXPECT_EQ(failedLoads, 0);
    EXPECT_EQ(PlayerEngineWaiters, 0u);
    EXPECT_EQ(engine_.PreloadReader.busyFlag, 0u);
}

}  // namespace
