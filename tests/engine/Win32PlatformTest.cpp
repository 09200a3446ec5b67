#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "EntryBytesBuilder.h"
#include "TestRecordings.h"
#include "format/CalendarTime.h"
#include "format/RecorderFile.h"
#include "format/UdatEntry.h"
#include "platform/LocalTimeZone.h"
#include "platform/ReadOnlyFile.h"

namespace {

static_assert(sizeof(SYSTEMTIME) == sizeof(SystemTime), "SystemTime mirrors SYSTEMTIME");

SYSTEMTIME ToSystem(const SystemTime& t) {
    SYSTEMTIME s;
    std::memcpy(&s, &t, sizeof s);
    return s;
}

FileTimeTicks Ticks(const FILETIME& f) { return (FileTimeTicks{f.dwHighDateTime} << 32) | f.dwLowDateTime; }

// The portable conversions must answer exactly as the system's own.
TEST(CalendarTimeAgainstSystem, SameInstantsAndRefusals) {
    std::mt19937_64 random(20240102);
    std::uniform_int_distribution<uint64_t> anyTicks(0, 0x0300000000000000ull);  // up to about 2500
    for (int i = 0; i < 20000; ++i) {
        const FileTimeTicks ticks = anyTicks(random);
        SystemTime ours;
        ASSERT_TRUE(TicksToSystemTime(ticks, ours));
        const FILETIME f{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
        SYSTEMTIME theirs;
        ASSERT_TRUE(FileTimeToSystemTime(&f, &theirs));
        ASSERT_EQ(0, std::memcmp(&theirs, &ours, sizeof theirs)) << ticks;

        // SYSTEMTIME holds milliseconds: the ticks below one are dropped.
        FileTimeTicks back = 0;
        ASSERT_TRUE(SystemTimeToTicks(ours, back));
        ASSERT_EQ(back, ticks - ticks % 10000);
    }

    std::uniform_int_distribution<int> field(0, 70);
    for (int i = 0; i < 20000; ++i) {
        SystemTime t;
        t.wYear = static_cast<uint16_t>(1599 + field(random) * 7);
        t.wMonth = static_cast<uint16_t>(field(random) % 14);
        t.wDay = static_cast<uint16_t>(field(random) % 33);
        t.wHour = static_cast<uint16_t>(field(random) % 26);
        t.wMinute = static_cast<uint16_t>(field(random));
        t.wSecond = static_cast<uint16_t>(field(random));
        t.wMilliseconds = static_cast<uint16_t>(field(random) * 15);
        // Wine accepts 29 February of every year; Windows refuses it outside
        // leap years, as the portable code does (checked on its own).
        const bool leap = (t.wYear % 4 == 0 && t.wYear % 100 != 0) || t.wYear % 400 == 0;
        if (t.wMonth == 2 && t.wDay == 29 && !leap) continue;
        const SYSTEMTIME s = ToSystem(t);
        FILETIME f{};
        const bool theirs = SystemTimeToFileTime(&s, &f) != 0;
        FileTimeTicks ticks = 0;
        const bool ours = SystemTimeToTicks(t, ticks);
        ASSERT_EQ(ours, theirs) << t.wYear << "-" << t.wMonth << "-" << t.wDay << " " << t.wHour << ":"
                                << t.wMinute << ":" << t.wSecond << "." << t.wMilliseconds;
        if (ours) {
            ASSERT_EQ(ticks, Ticks(f));
        }
    }
}

int ExpectedZoneMinutes() {
    const char* minutes = std::getenv("OSTRILEX_EXPECT_ZONE_MINUTES");
    return minutes ? std::atoi(minutes) : 0;
}

// Run once with the default zone and once with TZ=JST-9: the system's zone
// gives back the recorded digits either way.
TEST(SystemTimeZone, RecordTimeIsTheRecordedDigits) {
    const LocalTimeZone& zone = SystemLocalTimeZone();
    FileTimeTicks local = 0;
    ASSERT_TRUE(zone.UtcToLocalTicks(133486382450000000ull, local));
    EXPECT_EQ(static_cast<int64_t>(local - 133486382450000000ull), ExpectedZoneMinutes() * 60ll * kTicksPerSecond);

    const std::vector<uint8_t> area = MakeDataArea(kPlainRecorderRecord, 1, {EntryBytesBuilder().Text(44, "+05")});
    const GpsRecord gps = ParseGpsRecord(*UdatEntry::At(ViewOf(area), 0), 0, zone);
    EXPECT_EQ(gps.fixTime.wYear, 2024);
    EXPECT_EQ(gps.fixTime.wMonth, 1);
    EXPECT_EQ(gps.fixTime.wDay, 2);
    EXPECT_EQ(gps.fixTime.wHour, 3);
    EXPECT_EQ(gps.fixTime.wMinute, 4);
    EXPECT_EQ(gps.fixTime.wSecond, 10);
}

class HeldFile {
public:
    HeldFile(const std::filesystem::path& path, DWORD access, DWORD share)
        : handle_(CreateFileW(path.c_str(), access, share, nullptr, OPEN_EXISTING, 0, nullptr)) {}
    ~HeldFile() {
        if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    }
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;
    bool ok() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
};

TEST(ReadOnlyFileWin32, OpensFilesOthersHoldWithReadSharing) {
    ScratchFolder dir;
    const auto copy = dir / "held.MOV";
    std::filesystem::copy_file(TestRecordingPath("2401020304_A001.MOV"), copy);
    {
        const HeldFile writer(copy, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ);
        ASSERT_TRUE(writer.ok());
        EXPECT_TRUE(IsRecorderFile(copy));
    }
    {
        const HeldFile exclusive(copy, GENERIC_READ, 0);
        ASSERT_TRUE(exclusive.ok());
        EXPECT_FALSE(IsRecorderFile(copy)) << "a file nobody may share cannot be read";
    }
    EXPECT_TRUE(IsRecorderFile(copy));
}

TEST(ReadOnlyFileWin32, ReadsExactlyOrFails) {
    ScratchFolder dir;
    WriteWholeFile(dir / "ten.bin", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    const auto file = OpenReadOnlyFile(dir / "ten.bin");
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->Size(), 10u);
    uint8_t bytes[4] = {};
    EXPECT_TRUE(file->ReadAt(6, bytes, 4));
    EXPECT_EQ(bytes[3], 9);
    EXPECT_FALSE(file->ReadAt(7, bytes, 4));
    EXPECT_EQ(OpenReadOnlyFile(dir / "none.bin"), nullptr);
    EXPECT_EQ(OpenReadOnlyFile(dir.path()), nullptr);
}

}  // namespace
