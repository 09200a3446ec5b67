#pragma once

#include <cstdint>
#include <vector>

#include "CalendarTime.h"

// The records parsed from a recording's data section, one of each kind per
// 100 ms entry. They are plain values held in vectors; the links between them
// are pointers into those vectors, valid until the vectors are freed (moving a
// vector keeps its storage, so links survive a hand-over between readers).

struct GSensorRecord;
struct ObdRecord;

struct GpsRecord {
    int32_t entryIndex = 0;
    int32_t time = 0;  // ms from the start; the frame number once indexed
    uint32_t valid = 0;
    GSensorRecord* gsensor = nullptr;
    ObdRecord* obd = nullptr;
    double latitude = 0.0;   // signed decimal degrees
    double longitude = 0.0;  // signed decimal degrees
    double speed = 0.0;      // km/h
    double spare = 0.0;      // no entry byte feeds it; carried to the map page
    SystemTime fixTime;      // local time; all zero when it could not be formed
};

// What set off a recording at an entry; the numbers are the ones the graph
// and the map page compare against.
namespace TriggerKind {
constexpr int32_t kNone = -1;
constexpr int32_t kFlagAt72 = 5;  // 'D' at entry byte 72
constexpr int32_t kFlagAt75 = 6;  // 'D' at entry byte 75
constexpr int32_t kFlagAt76 = 7;  // 'D' at entry byte 76
constexpr int32_t kEventH = 9;    // event letter 'H'
constexpr int32_t kEventA = 10;   // event letter 'A'
constexpr int32_t kEventB = 11;   // event letter 'B'
}  // namespace TriggerKind

constexpr uint32_t kDetectionFlagSet = 8;

struct GSensorRecord {
    int32_t entryIndex = 0;
    int32_t triggerKind = TriggerKind::kNone;
    uint32_t detection = 0;  // kDetectionFlagSet or 0
    int32_t axis = 0;        // 1 X, 2 Y, 3 Z, 0 none
    int32_t time = 0;        // ms from the start; the frame number once indexed
    uint32_t manualMark = 0;
    GpsRecord* gps = nullptr;
    ObdRecord* obd = nullptr;
    double x = 0.0;  // g, front-back
    double y = 0.0;  // g, left-right
    double z = 0.0;  // g, up-down
};

constexpr uint16_t kObdNoValue = 0x2020;  // two spaces
constexpr int kObdValueCount = 15;
constexpr int kObdFlagCount = 4;

struct ObdRecord {
    int32_t entryIndex = 0;
    uint8_t flags[kObdFlagCount] = {};
    // Raw copies of the file's words, read in host order; kObdNoValue = none.
    uint16_t values[kObdValueCount] = {};
};

constexpr int kCsNumberCount = 4;
constexpr float kCsInvalidNumber = -1.0f;

// The recorder record that follows "CSMDAT" (or the last of a "@CS" run).
struct CsRecord {
    float numbers[kCsNumberCount] = {};
    uint8_t typeLetter = 0;  // 'M' or 'D'; anything else marks it invalid
    // Record bytes 17-24: firmware digits (6), resolution letter, one spare byte.
    uint8_t versionBytes[8] = {};

    uint8_t ResolutionLetter() const { return versionBytes[6]; }
};

// One G-sensor record per video frame, indexed by frame number.
using FrameRecordIndex = std::vector<GSensorRecord*>;

// Everything one parse of a data section yields, with the frame index built
// from it. The three vectors have one element per entry, in entry order.
struct ClipRecords {
    std::vector<GpsRecord> gps;
    std::vector<GSensorRecord> gsensor;
    std::vector<ObdRecord> obd;
    CsRecord cs;
    FrameRecordIndex frameIndex;
    int32_t entryCount = 0;
    double largestAbsG = 0.0;
};
