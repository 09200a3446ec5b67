#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

// Everything that decides one synthetic recording: the movie ffmpeg makes,
// the recorder record, the content of every data entry and the layout
// variant. Compiled into the recording builder and into the tests on both
// hosts, so a test can say what a recording must contain without reading it
// through the code under test.

// Layout of what follows the data section.
enum class RecordingTail {
    FreeBox,     // a 12-byte "free" box, as the recorder leaves it
    None,        // the file ends with "CSMEND"
    RawBytes,    // 12 bytes that are not a box
    InsideUdat,  // the 12 bytes inside the "udat" box, after "CSMEND"
};

struct GpsTrackRecipe {
    double startLatitude = 35.685387;    // degrees; negative south
    double startLongitude = 139.762982;  // degrees; negative west
    double latitudeStep = 0.00001;       // per entry
    double longitudeStep = 0.00002;
    int speedKmh = 40;
    bool valid = true;  // status 'A', else 'V'
};

struct GValueRecipe {
    int x = -123;  // thousandths of g
    int y = 45;
    int z = 1000;
    int xWave = 0;  // added as xWave * ((i % 20) - 10) / 10, so graphs move
};

constexpr size_t kRecipeEntrySize = 124;
constexpr size_t kRecipeRecordSize = 26;
constexpr int kRecipeObdWords = 15;

using EntryBytes = std::array<uint8_t, kRecipeEntrySize>;
using RecordBytes = std::array<uint8_t, kRecipeRecordSize>;

// Bytes written over one entry after all its fields, for texts no field
// option makes (a number text such as "  inf").
struct EntryPatch {
    int entry = 0;
    size_t offset = 0;
    std::string bytes;
};

struct RecordingRecipe {
    std::string fileName = "2401020304_A001.MOV";

    // The movie.
    double durationSeconds = 8.0;
    int width = 640;
    int height = 360;
    uint32_t frameDelta = 3003;  // 90 kHz ticks per frame: 3003 = 29.97 fps, 3000 = 30
    bool audio = true;
    int videoKbps = 0;  // 0: the encoder's own rate; else a constant rate, made up with filler

    // The recorder record.
    std::string recorderNumbers = "0001000200030004";  // four 4-digit numbers
    char recordType = 'M';
    std::array<int, 3> firmware = {1, 2, 3};  // written "010203"
    char resolutionLetter = 'H';

    // The entries.
    int entryCount = -1;  // -1: ten per second of movie
    GpsTrackRecipe track;
    std::string startTime = "240102030405";  // YYMMDDhhmmss of entry 0
    std::string correction = "*  ";           // or "+05", "-10"
    GValueRecipe g;
    std::map<int, std::string> triggers;  // entry -> the six letters at bytes 72-77
    std::set<int> manualMarks;
    std::array<uint16_t, kRecipeObdWords> obd = DefaultObdWords();  // stored little-endian
    std::vector<EntryPatch> patches;

    // The layout.
    RecordingTail tail = RecordingTail::FreeBox;
    bool keepWide = false;         // leave ffmpeg's "wide" box unrenamed
    bool udatBeforeMdat = false;   // the data section ahead of the media data
    bool csRunInEntry0 = false;    // entry 0 starts a "@CS" run (a second recorder record)
    uint64_t cutAt = 0;            // non-zero: the file is cut to this many bytes
    uint64_t mdatPadding = 0;      // unused zero bytes after the last sample, written sparse
    bool uniformVideoSamples = false;  // every video sample filled up to one size: "stsz" lists no sizes
    bool keepEncoderChunks = false;    // ffmpeg's chunks, many "stsc" runs, instead of one sample per chunk

    int EntryCount() const;
    static std::array<uint16_t, kRecipeObdWords> DefaultObdWords();
};

// The recorder record written after "CSMDAT".
RecordBytes MakeRecorderRecord(const RecordingRecipe& recipe);
// The second record of the "@CS" run that csRunInEntry0 writes into entry 0.
RecordBytes MakeRunRecorderRecord();
// Entry i exactly as it is written to the file.
EntryBytes MakeUdatEntry(const RecordingRecipe& recipe, int index);
// The whole "udat" box: header, body and, for RecordingTail::InsideUdat, the tail.
std::vector<uint8_t> MakeDataSectionBox(const RecordingRecipe& recipe);

// The bytes that follow the "udat" box at the end of the file.
std::vector<uint8_t> MakeRecordingTail(RecordingTail tail);

// What a reader should find in entry i, from the recipe alone.
struct ExpectedEntry {
    double latitude;
    double longitude;
    int speedKmh;
    int gx, gy, gz;  // thousandths of g
    std::string fixTimeDigits;  // YYMMDDhhmmss before any correction
    std::string triggerLetters;
    bool manualMark;
    std::array<uint16_t, kRecipeObdWords> obd;
};
ExpectedEntry ExpectEntry(const RecordingRecipe& recipe, int index);

// YYMMDDhhmmss as the calendar time it names (day of the week included).
struct SystemTime;
SystemTime SystemTimeFromDigits(const std::string& digits);

// The fix time a reader should find in entry i: the digits plus the correction.
SystemTime ExpectedFixTime(const RecordingRecipe& recipe, int index);

// Firmware digits as the viewer shows them ("1.2.3").
std::string FirmwareText(const RecordingRecipe& recipe);

// Frame count of the movie ffmpeg makes for the recipe.
int ExpectedFrameCount(const RecordingRecipe& recipe);
