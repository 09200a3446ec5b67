// Joined movies as other programs read them, and joins onto a disk that
// fills up: a process whose files may not grow past a limit, and a small
// mounted file system where the host allows one.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "KnownBoxTypes.h"
#include "StandardRecordings.h"
#include "TestRecordings.h"
#include "joiner/JoinRecordings.h"

namespace fs = std::filesystem;

namespace {

const std::vector<const char*> kThree = {"2401021000_A010.MOV", "2401021010_A011.MOV", "2401021020_A012.MOV"};

std::vector<std::wstring> Sources(const std::vector<const char*>& names) {
    std::vector<std::wstring> paths;
    for (const char* name : names) paths.push_back(TestRecordingPath(name).wstring());
    return paths;
}

struct Output {
    int status;
    std::string out;
    std::string err;
};

Output RunCommand(const std::string& command, const ScratchFolder& dir) {
    const fs::path out = dir / "run.out";
    const fs::path err = dir / "run.err";
    const int status = std::system((command + " >'" + out.string() + "' 2>'" + err.string() + "'").c_str());
    auto text = [](const fs::path& p) {
        const std::vector<uint8_t> bytes = ReadWholeFile(p);
        return std::string(bytes.begin(), bytes.end());
    };
    Output result{status, text(out), text(err)};
    fs::remove(out);
    fs::remove(err);
    return result;
}

class PosixJoinTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(BuildKnownBoxTypes()); }
    void TearDown() override { FreeKnownBoxTypes(); }
    ScratchFolder dir_;
};

// ffprobe reads the joined movie without a warning, with every frame, and
// ffmpeg decodes all of it without an error.
TEST_F(PosixJoinTest, JoinedMovieReadsCleanly) {
    const std::vector<std::vector<const char*>> joins = {
        {kThree[0], kThree[1]},
        kThree,
        {kThree[0], kThree[1], kThree[2], kThree[0], kThree[1], kThree[2], kThree[0], kThree[1], kThree[2], kThree[0]},
        // ffmpeg's own chunking, and timing of two runs in the second.
        {"2401021100_A020.MOV", "2401021110_A021.MOV", "2401021100_A020.MOV"},
    };
    for (const auto& names : joins) {
        const fs::path joined = dir_ / "joined.MOV";
        ASSERT_TRUE(JoinRecordings(Sources(names), joined.wstring()));
        int frames = 0;
        for (const char* name : names) frames += ExpectedFrameCount(StandardRecording(name));
        const Output probe = RunCommand("ffprobe -v warning -select_streams v:0 -show_entries stream=nb_frames "
                                 "-of default=nw=1:nk=1 '" + joined.string() + "'", dir_);
        EXPECT_EQ(probe.status, 0);
        EXPECT_EQ(probe.err, "");
        EXPECT_EQ(probe.out, std::to_string(frames) + "\n");
        const Output decode = RunCommand("ffmpeg -v warning -nostdin -i '" + joined.string() + "' -f null -", dir_);
        EXPECT_EQ(decode.status, 0);
        EXPECT_EQ(decode.err, "");
        fs::remove(joined);
    }
}

// Run in a child process: joins with files limited to 1 MB. 0 when the
// join failed and left its folder empty.
int JoinUnderFileSizeLimit(const fs::path& joined) {
    const rlimit limit{1 << 20, 1 << 20};
    signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails instead
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0) return 3;
    if (JoinRecordings(Sources(kThree), joined.wstring())) return 1;
    return fs::is_empty(joined.parent_path()) ? 0 : 2;
}

TEST_F(PosixJoinTest, FileSizeLimitFailsTheJoin) {
    const fs::path joined = dir_ / "joined.MOV";
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(std::_Exit(JoinUnderFileSizeLimit(joined)), ::testing::ExitedWithCode(0), "");
    EXPECT_TRUE(fs::is_empty(dir_.path()));
}

// A mounted file system of 1 MB where the host lets the test mount one.
TEST_F(PosixJoinTest, FullFileSystemFailsTheJoin) {
    const fs::path small = dir_ / "small";
    fs::create_directories(small);
    if (mount("tmpfs", small.c_str(), "tmpfs", 0, "size=1m") != 0) {
        GTEST_SKIP() << "no small file system can be mounted here (errno " << errno << ")";
    }
    const bool joinedWhole = JoinRecordings(Sources(kThree), (small / "joined.MOV").wstring());
    const bool empty = fs::is_empty(small);
    umount(small.c_str());
    EXPECT_FALSE(joinedWhole);
    EXPECT_TRUE(empty) << "nothing left on the full disk";
}

}  // namespace
