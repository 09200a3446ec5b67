#include "RecordingBuilder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "BaseMovie.h"
#include "FixedOffsetTimeZone.h"
#include "StandardRecordings.h"
#include "TestRecordings.h"
#include "format/ByteOrder.h"
#include "format/DataSectionHandlers.h"
#include "format/RecorderFile.h"

namespace fs = std::filesystem;

namespace {

fs::path BaseMovieCache() {
    const char* dir = std::getenv("OSTRILEX_BASE_MOVIES");
    return dir ? fs::path(dir) : fs::temp_directory_path() / "ostrilex-base-movies";
}

struct CommandResult {
    int exitCode;
    std::string out;
    std::string err;
};

CommandResult RunCommand(const std::string& command, const ScratchFolder& dir) {
    const fs::path out = dir / "stdout.txt";
    const fs::path err = dir / "stderr.txt";
    const int status = std::system((command + " >" + out.string() + " 2>" + err.string()).c_str());
    auto text = [](const fs::path& p) {
        const std::vector<uint8_t> bytes = ReadWholeFile(p);
        return std::string(bytes.begin(), bytes.end());
    };
    return {status, text(out), text(err)};
}

struct TopBox {
    std::string type;
    uint64_t offset;
    uint32_t size;
};

std::vector<TopBox> TopLevelBoxes(const std::vector<uint8_t>& file) {
    std::vector<TopBox> boxes;
    for (uint64_t at = 0; at + 8 <= file.size();) {
        const uint32_t size = ReadU32BE(file.data() + at);
        if (size < 8 || size > file.size() - at) break;
        boxes.push_back({std::string(file.begin() + at + 4, file.begin() + at + 8), at, size});
        at += size;
    }
    return boxes;
}

std::string Types(const std::vector<TopBox>& boxes) {
    std::string types;
    for (const TopBox& b : boxes) types += (types.empty() ? "" : " ") + b.type;
    return types;
}

TEST(RecordingBuilder, StandardRecordingsPassFfprobeWithoutWarnings) {
    ScratchFolder dir;
    for (const RecordingRecipe& recipe : StandardRecordings()) {
        if (recipe.cutAt != 0) continue;
        const std::string file = TestRecordingPath(recipe.fileName).string();
        const CommandResult r = RunCommand(
            "ffprobe -v warning -hide_banner -select_streams v:0 -show_entries stream=width,height,nb_frames "
            "-of default=nw=1 '" + file + "'", dir);
        EXPECT_EQ(r.exitCode, 0) << recipe.fileName;
        EXPECT_EQ(r.err, "") << recipe.fileName;
        std::ostringstream expected;
        expected << "width=" << recipe.width << "\nheight=" << recipe.height
                 << "\nnb_frames=" << ExpectedFrameCount(recipe) << "\n";
        EXPECT_EQ(r.out, expected.str()) << recipe.fileName;
    }
}

TEST(RecordingBuilder, TopLevelLayoutOfEachVariant) {
    const std::pair<const char*, const char*> cases[] = {
        {"2401020304_A001.MOV", "ftyp free mdat moov udat free"},
        {"tail_none.MOV", "ftyp free mdat moov udat"},
        {"tail_in_udat.MOV", "ftyp free mdat moov udat"},
        {"wide_kept.MOV", "ftyp wide mdat moov udat free"},
        {"udat_first.MOV", "ftyp free udat mdat moov free"},
    };
    for (const auto& [name, types] : cases) {
        const std::vector<uint8_t> file = ReadWholeFile(TestRecordingPath(name));
        const std::vector<TopBox> boxes = TopLevelBoxes(file);
        EXPECT_EQ(Types(boxes), types) << name;
        uint64_t total = 0;
        for (const TopBox& b : boxes) total += b.size;
        EXPECT_EQ(total, file.size()) << name << ": bytes outside any box";
    }
    const std::vector<uint8_t> raw = ReadWholeFile(TestRecordingPath("tail_raw.MOV"));
    EXPECT_EQ(Types(TopLevelBoxes(raw)), "ftyp free mdat moov udat");
    EXPECT_EQ(std::string(raw.end() - 18, raw.end() - 12), "CSMEND");
    EXPECT_EQ(raw.back(), 0xA5);
}

TEST(RecordingBuilder, MediaDataStartsWithEightUnusedBytes) {
    const std::vector<uint8_t> file = ReadWholeFile(TestRecordingPath("2401020304_A001.MOV"));
    const std::vector<TopBox> boxes = TopLevelBoxes(file);
    ASSERT_GE(boxes.size(), 4u);
    const TopBox& mdat = boxes[2];
    ASSERT_EQ(mdat.type, "mdat");
    EXPECT_EQ(std::vector<uint8_t>(file.begin() + mdat.offset + 8, file.begin() + mdat.offset + 16),
              std::vector<uint8_t>(8, 0));
    const TopBox& udat = boxes[4];
    EXPECT_EQ(udat.size, 48u + 124u * 80u);
}

// Every video and audio packet of the built file equals ffmpeg's, so the
// re-chunked tables address exactly the original samples.
TEST(RecordingBuilder, RechunkedTablesAddressTheOriginalSamples) {
    ScratchFolder dir;
    for (const char* name : {"2401020304_A001.MOV", "udat_first.MOV", "2401020320_M003.MOV"}) {
        const RecordingRecipe& recipe = StandardRecording(name);
        WriteWholeFile(dir / "base.mov", LoadBaseMovie(recipe, BaseMovieCache()));
        auto packets = [&](const fs::path& file) {
            const std::string command = "ffmpeg -v error -i '" + file.string() + "' -map 0 -c copy -f framemd5 - | grep -v '^#'";
            return RunCommand(command, dir);
        };
        const CommandResult base = packets(dir / "base.mov");
        const CommandResult built = packets(TestRecordingPath(name));
        ASSERT_EQ(base.exitCode, 0) << base.err;
        EXPECT_EQ(built.err, "") << name;
        EXPECT_GT(base.out.size(), 1000u);
        EXPECT_EQ(built.out, base.out) << name;
    }
}

// Video samples filled up to one size decode to the movie's own frames, and
// the size table gives that one size for every sample.
TEST(RecordingBuilder, UniformVideoSamplesDecodeAsTheMovie) {
    ScratchFolder dir;
    const RecordingRecipe& recipe = StandardRecording("uniform_sizes.MOV");
    WriteWholeFile(dir / "base.mov", LoadBaseMovie(recipe, BaseMovieCache()));
    auto frames = [&](const fs::path& file) {
        return RunCommand("ffmpeg -v error -i '" + file.string() + "' -map 0:v -f framemd5 - | grep -v '^#'", dir);
    };
    const CommandResult base = frames(dir / "base.mov");
    const CommandResult built = frames(TestRecordingPath(recipe.fileName));
    EXPECT_EQ(built.err, "");
    EXPECT_EQ(std::count(built.out.begin(), built.out.end(), '\n'), ExpectedFrameCount(recipe));
    EXPECT_EQ(built.out, base.out);

    const std::vector<uint8_t> file = ReadWholeFile(TestRecordingPath(recipe.fileName));
    const char kSizes[] = "stsz";
    const auto stsz = std::search(file.begin(), file.end(), kSizes, kSizes + 4);
    ASSERT_NE(stsz, file.end());
    const uint8_t* body = &*stsz + 4;
    EXPECT_GT(ReadU32BE(body + 4), 0u) << "one size";
    EXPECT_EQ(ReadU32BE(body + 8), static_cast<uint32_t>(ExpectedFrameCount(recipe)));
    EXPECT_EQ(ReadU32BE(&*stsz - 4), 20u) << "and no table";
}

// Recordings built from further parameter sets read back as their recipes.
TEST(RecordingBuilder, ParameterSetsRoundTrip) {
    ScratchFolder dir;
    std::vector<RecordingRecipe> recipes(2);
    recipes[0].fileName = "2412311530_S010.MOV";
    recipes[0].width = 1280;
    recipes[0].height = 720;
    recipes[0].frameDelta = 3000;
    recipes[0].durationSeconds = 2.0;
    recipes[0].entryCount = 37;
    recipes[0].startTime = "241231153000";
    recipes[0].correction = "-10";
    recipes[0].track = {-12.5, -77.25, -0.0002, 0.0003, 88, true};
    recipes[0].triggers = {{5, "NYHNNN"}};
    recipes[0].firmware = {12, 34, 56};
    recipes[0].recordType = 'D';
    recipes[0].resolutionLetter = 'F';
    recipes[1].fileName = "video_only.MOV";
    recipes[1].audio = false;
    recipes[1].durationSeconds = 1.0;
    recipes[1].manualMarks = {0, 9};

    for (const RecordingRecipe& recipe : recipes) {
        const fs::path path = dir / recipe.fileName;
        WriteRecording(recipe, path, BaseMovieCache());
        EXPECT_TRUE(IsRecorderFile(path)) << recipe.fileName;
        EXPECT_EQ(RunCommand("ffprobe -v warning -hide_banner '" + path.string() + "'", dir).err, "");

        const std::vector<uint8_t> file = ReadWholeFile(path);
        ClipRecords records;
        ASSERT_EQ(UdatRecordsHandler(FindDataArea(file), records, FixedOffsetTimeZone()), kHandlerDone);
        ASSERT_EQ(CsRecordHandler(FindDataArea(file), records.cs), kHandlerDone);
        ASSERT_EQ(records.entryCount, recipe.EntryCount());
        for (int i = 0; i < recipe.EntryCount(); ++i) {
            const ExpectedEntry x = ExpectEntry(recipe, i);
            ASSERT_NEAR(records.gps[i].latitude, x.latitude, 1e-9);
            ASSERT_NEAR(records.gps[i].longitude, x.longitude, 1e-9);
            ASSERT_EQ(records.gps[i].speed, x.speedKmh);
            ASSERT_EQ(records.gsensor[i].manualMark, x.manualMark ? 1u : 0u);
        }
        EXPECT_EQ(records.cs.typeLetter, static_cast<uint8_t>(recipe.recordType));
        EXPECT_EQ(records.cs.ResolutionLetter(), static_cast<uint8_t>(recipe.resolutionLetter));
    }
    // Correction "-10" from 15:30:00 reads back ten seconds earlier.
    const std::vector<uint8_t> first = ReadWholeFile(dir / recipes[0].fileName);
    ClipRecords records;
    UdatRecordsHandler(FindDataArea(first), records, FixedOffsetTimeZone());
    EXPECT_EQ(records.gps[0].fixTime, SystemTimeFromDigits("241231152950"));
    EXPECT_EQ(records.gsensor[5].triggerKind, TriggerKind::kEventH);

    struct stat padded {};
    ASSERT_EQ(stat(TestRecordingPath("padded_40MiB.MOV").c_str(), &padded), 0);
    EXPECT_GT(padded.st_size, 40 << 20);
    EXPECT_LT(padded.st_blocks * 512, 8 << 20) << "the padding should be a hole";
}

}  // namespace
