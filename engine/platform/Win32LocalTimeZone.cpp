#include <windows.h>

#include "LocalTimeZone.h"
#include "MktimeFields.h"

namespace {

class Win32LocalTimeZone final : public LocalTimeZone {
public:
    bool LocalFieldsToSeconds(const CalendarFields& fields, int64_t& seconds) const override {
        return MktimeLocalFields(fields, seconds);
    }

    bool UtcToLocalTicks(FileTimeTicks utc, FileTimeTicks& local) const override {
        FILETIME in{static_cast<DWORD>(utc), static_cast<DWORD>(utc >> 32)};
        FILETIME out{};
        if (!FileTimeToLocalFileTime(&in, &out)) return false;
        local = (FileTimeTicks{out.dwHighDateTime} << 32) | out.dwLowDateTime;
        return true;
    }
};

}  // namespace

const LocalTimeZone& SystemLocalTimeZone() {
    static const Win32LocalTimeZone zone;
    return zone;
}
