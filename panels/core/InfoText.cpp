#include "panels/core/InfoText.h"

#include <cmath>
#include <cstdarg>
#include <cstdint>
#include <cstdio>

namespace {

constexpr double kLargestSpeed = 999.0;
constexpr float kTicksPerMs = 10000.0f;
// Hundredths must fit the integer they are truncated through.
constexpr double kLargestHundredths = 9.0e18;
// The recorder's clock wraps: from this year on it prints 35 years earlier.
constexpr int kWrappedYears = 2050;
constexpr int kWrapBack = 35;
constexpr float kLargestTicks = 1.8e19f;

UiString Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

UiString Format(const char* format, ...) {
    char buffer[64];
    va_list arguments;
    va_start(arguments, format);
    const int length = std::vsnprintf(buffer, sizeof buffer, format, arguments);
    va_end(arguments);
    if (length < 0) {
        return {};
    }
    UiString text;
    for (int i = 0; i < length && i < static_cast<int>(sizeof buffer) - 1; ++i) {
        text.push_back(static_cast<UiChar>(buffer[i]));
    }
    return text;
}

}  // namespace

std::optional<UiString> GValueText(double g) {
    const double hundredths = g * 100.0;
    if (!(g > kNoGValue) || !(std::fabs(hundredths) < kLargestHundredths)) {
        return std::nullopt;
    }
    // Through an integer, so a value that truncates to zero has no sign.
    const double shown = static_cast<double>(static_cast<int64_t>(hundredths)) / 100.0;
    return Format("%.2fG", shown);
}

std::optional<UiString> SpeedText(int gpsValid, double speed) {
    if (!gpsValid || !std::isfinite(speed) || !(speed >= 0.0)) {
        return std::nullopt;
    }
    return Format("%.0f ", std::fmin(speed, kLargestSpeed));
}

std::optional<UiString> DateTimeText(const SystemTime& start, int frame, float frameDurationMs) {
    FileTimeTicks startTicks = 0;
    const float offset = static_cast<float>(frame) * frameDurationMs * kTicksPerMs;
    if (frame < 0 || !SystemTimeToTicks(start, startTicks) || !(offset >= 0.0f) || !(offset < kLargestTicks)) {
        return std::nullopt;
    }
    const FileTimeTicks offsetTicks = static_cast<FileTimeTicks>(offset);
    if (offsetTicks > UINT64_MAX - startTicks) {
        return std::nullopt;
    }
    SystemTime time;
    const FileTimeTicks ticks = startTicks + offsetTicks;
    if (ticks == 0 || !TicksToSystemTime(ticks, time) || time.wYear == 0) {
        return std::nullopt;
    }
    const int year = time.wYear >= kWrappedYears ? time.wYear - kWrapBack : time.wYear;
    return Format("%02d/%02d/%02d %02d:%02d:%02d", year, time.wMonth, time.wDay, time.wHour, time.wMinute,
                  time.wSecond);
}
