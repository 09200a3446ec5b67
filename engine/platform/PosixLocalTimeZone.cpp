#include <time.h>

#include <cstdint>

#include "LocalTimeZone.h"
#include "MktimeFields.h"

namespace {

class PosixLocalTimeZone final : public LocalTimeZone {
public:
    bool LocalFieldsToSeconds(const CalendarFields& fields, int64_t& seconds) const override {
        return MktimeLocalFields(fields, seconds);
    }

    bool UtcToLocalTicks(FileTimeTicks utc, FileTimeTicks& local) const override {
        if (utc > static_cast<FileTimeTicks>(INT64_MAX)) return false;
        const int64_t seconds = static_cast<int64_t>(utc / kTicksPerSecond) - kSecondsFrom1601To1970;
        const time_t instant = static_cast<time_t>(seconds);
        struct tm broken {};
        if (localtime_r(&instant, &broken) == nullptr) return false;
        const int64_t shifted = static_cast<int64_t>(utc) + broken.tm_gmtoff * kTicksPerSecond;
        if (shifted < 0) return false;
        local = static_cast<FileTimeTicks>(shifted);
        return true;
    }
};

}  // namespace

const LocalTimeZone& SystemLocalTimeZone() {
    static const PosixLocalTimeZone zone;
    return zone;
}
