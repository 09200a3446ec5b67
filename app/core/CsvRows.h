#pragma once

#include <cstdint>
#include <optional>

#include "format/CalendarTime.h"
#include "ui/core/UiChar.h"

// The text of the recording list's CSV export, one line per recording,
// before it is converted to the system's code page. Every line ends in
// "\r\n".

// What the export reads of one recording from its box index and data
// section.
struct CsvRecordingFacts {
    UiString fileName;
    int32_t width = 0;
    int32_t height = 0;
    int64_t frameCount = 0;
    float frameRate = 0.0f;
    // Local time of the first data entry; all zero when there is none.
    SystemTime start;
    char resolutionLetter = 0;  // the recorder record's letter; 'H' is high quality
    uint64_t fileSize = 0;
};

// The nine column titles, from the text table.
UiString CsvHeaderLine();

// "name,date,time,duration,kind,resolution,quality,rate fps,size MB".
UiString CsvRecordingLine(const CsvRecordingFacts& facts);

// The line of a recording whose index, frame size or start time cannot be
// read.
UiString CsvFallbackLine(UiStringView fileName);

// "Dv_YYYYMMDD_hhmmss.csv" from the first recording's start time; nothing
// for a start time of year 0, which a recording without data entries gives
// and which names no day.
std::optional<UiString> CsvFileName(const SystemTime& start);
