#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "format/CalendarTime.h"
#include "ui/core/UiChar.h"

// Units of the record's two text fields, terminator included (MAX_PATH).
constexpr size_t kRecordPathUnits = 260;
// The longest text the fields hold.
constexpr size_t kRecordPathChars = kRecordPathUnits - 1;

// One recording in a clip list: a plain value record, copied freely and held
// by value in growable arrays. A walk fills the names, the numbers, the kind
// mark and the size; opening the recording fills resolution, frame rate and
// start time.
struct MovieFileRecord {
    UiChar fullPath[kRecordPathUnits] = {};
    UiChar fileName[kRecordPathUnits] = {};
    uint32_t runningNumber = 0;   // the panel's running counter when built
    uint32_t sequenceNumber = 0;  // process-wide, never reset
    uint32_t groupNumber = 0;     // 0 in every scanned record
    uint32_t kindMark = 0;        // the name's first character for a kind-pattern name, else 0
    uint32_t joinedFlag = 0;      // set and cleared by the joining flow
    int32_t resolutionClass = 0;
    float frameRate = 0.0f;
    SystemTime startTime;
    SystemTime endTime;           // never written by the system
    // The full 64-bit size. The original kept only the low 32 bits, which let
    // a 4.5 GiB file pass the 1024 MB join limit as 0.5 GiB.
    uint64_t fileSize = 0;

    UiStringView FullPath() const { return UiStringView(fullPath); }
    UiStringView FileName() const { return UiStringView(fileName); }
};

using MovieFileRecordList = std::vector<MovieFileRecord>;

// The panel's running counter; reset to 0 at each source opening, folder
// opening and whole-source collection.
struct RecordCounters {
    uint32_t running = 0;
};

// Copies text into a record field; false (field emptied) when it does not fit.
bool CopyIntoRecordField(UiChar (&field)[kRecordPathUnits], UiStringView text);

// The last path component: what follows the last '\' (the whole text when
// it has none), as the shell's PathFindFileNameW gives it for file paths.
UiStringView LastPathComponent(UiStringView path);

// The next value of the process-wide sequence counter.
uint32_t NextSequenceNumber();

// A record of a recording built from its path and size: names, counters,
// group, kind mark, size. False (nothing appended, counters untouched) when
// the name is not a ".MOV" name or the path does not fit the record.
bool AppendBuiltRecord(UiStringView fullPath, uint64_t fileSize, uint32_t group, RecordCounters& counters,
                       MovieFileRecordList& records);

// A placeholder record standing for a folder item of an SD card: full path
// and name only; running, sequence and group number 0xFFFFFFFF, size
// 0xFFFFFFFFFFFFFFFF; the counters are not advanced. Returns 1.
int AddPlaceholderRecord(UiStringView fullPath, MovieFileRecordList& records);
