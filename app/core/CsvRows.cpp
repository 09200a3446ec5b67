#include "app/core/CsvRows.h"

#include <cstdio>

#include "ui/core/TriggerKind.h"
#include "ui/core/UiTextTable.h"

namespace {

// Header titles in column order; all but the last end in their own comma.
constexpr int kHeaderSlots[] = {34, 33, 41, 40, 42, 39, 38, 36, 32};
constexpr int kSlotHighQuality = 59;
constexpr int kSlotLowQuality = 60;
constexpr char kHighQualityLetter = 'H';
constexpr uint64_t kBytesPerMebibyte = 0x100000;
constexpr UiChar kLineEnd[] = UI_TEXT("\r\n");

// Numbers and fixed texts are ASCII, so each char widens to one unit.
void AppendAscii(UiString& out, const char* text) {
    for (; *text != '\0'; ++text) {
        out += static_cast<UiChar>(static_cast<unsigned char>(*text));
    }
}

template <class... Args>
void AppendFormatted(UiString& out, const char* format, Args... args) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, args...);
    AppendAscii(out, buffer);
}

const char* ResolutionText(int32_t height) {
    switch (height) {
    case 360:
        return "SD";
    case 720:
        return "HD";
    case 1080:
        return "FHD";
    default:
        return "";
    }
}

int DurationSeconds(int64_t frameCount, float frameRate) {
    if (!(frameRate > 0.0f) || frameCount <= 0) {
        return 0;
    }
    return static_cast<int>(static_cast<float>(frameCount) / frameRate);
}

}  // namespace

UiString CsvHeaderLine() {
    UiString line;
    for (const int slot : kHeaderSlots) {
        line += UiText(slot);
    }
    return line + kLineEnd;
}

UiString CsvRecordingLine(const CsvRecordingFacts& facts) {
    UiString line = facts.fileName;
    const SystemTime& t = facts.start;
    if (t.wYear == 0) {
        AppendAscii(line, ",--/--/--,--:--:--,");
    } else {
        AppendFormatted(line, ",%04u/%02u/%02u,%02u:%02u:%02u,", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute,
                        t.wSecond);
    }
    const int seconds = DurationSeconds(facts.frameCount, facts.frameRate);
    AppendFormatted(line, "%02d:%02d:%02d,", seconds / 3600, seconds / 60 % 60, seconds % 60);
    line += GetTriggerKindLabel(facts.fileName);
    line += UI_TEXT(',');
    const char* resolution = ResolutionText(facts.height);
    AppendAscii(line, resolution);
    line += UI_TEXT(',');
    if (*resolution != '\0') {
        line += UiText(facts.resolutionLetter == kHighQualityLetter ? kSlotHighQuality : kSlotLowQuality);
    }
    AppendFormatted(line, ",%.0ffps,%lluMB", static_cast<double>(facts.frameRate),
                    static_cast<unsigned long long>(facts.fileSize / kBytesPerMebibyte));
    return line + kLineEnd;
}

UiString CsvFallbackLine(UiStringView fileName) {
    UiString line(fileName);
    AppendAscii(line, ",-,-,-,-,-,-,fps,0MB");
    return line + kLineEnd;
}

std::optional<UiString> CsvFileName(const SystemTime& start) {
    if (start.wYear == 0) {
        return std::nullopt;
    }
    UiString name;
    AppendFormatted(name, "Dv_%04u%02u%02u_%02u%02u%02u.csv", start.wYear, start.wMonth, start.wDay, start.wHour,
                    start.wMinute, start.wSecond);
    return name;
}
