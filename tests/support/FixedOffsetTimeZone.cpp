#include "FixedOffsetTimeZone.h"

namespace {

int64_t FloorDiv(int64_t a, int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

// Days since 1970-01-01 of a proleptic Gregorian date, any month or day
// count carried over as mktime does.
int64_t DaysSince1970(int64_t year, int64_t month, int64_t day) {
    year += FloorDiv(month - 1, 12);
    month = month - 1 - 12 * FloorDiv(month - 1, 12) + 1;
    const int64_t y = month <= 2 ? year - 1 : year;
    const int64_t era = FloorDiv(y, 400);
    const int64_t yoe = y - era * 400;
    const int64_t mp = month > 2 ? month - 3 : month + 9;
    const int64_t doy = (153 * mp + 2) / 5;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468 + (day - 1);
}

}  // namespace

bool FixedOffsetTimeZone::LocalFieldsToSeconds(const CalendarFields& f, int64_t& seconds) const {
    if (refuseLocalFields_) return false;
    const int64_t days = DaysSince1970(f.year, f.month, f.day);
    seconds = days * 86400 + int64_t{f.hour} * 3600 + int64_t{f.minute} * 60 + f.second - offsetSeconds_;
    return true;
}

bool FixedOffsetTimeZone::UtcToLocalTicks(FileTimeTicks utc, FileTimeTicks& local) const {
    const int64_t shifted = static_cast<int64_t>(utc) + offsetSeconds_ * kTicksPerSecond;
    if (shifted < 0) return false;
    local = static_cast<FileTimeTicks>(shifted);
    return true;
}
