#include "CalendarTime.h"

namespace {

constexpr int kFirstYear = 1601;
constexpr int kLastYear = 30827;
constexpr int64_t kTicksPerMillisecond = 10000;
constexpr int64_t kSecondsPerDay = 86400;
constexpr int kMondayOfFirstDay = 1;  // 1601-01-01 was a Monday
// The civil-day count below starts on 0000-03-01; 1601-01-01 is this many days later.
constexpr int64_t kDaysFrom0000MarchTo1601 = 584694;

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Days from 1601-01-01 to the given date (proleptic Gregorian, March-based
// years so the leap day falls at the end of a cycle).
int64_t DaysSince1601(int year, int month, int day) {
    const int64_t y = month <= 2 ? year - 1 : year;
    const int64_t era = y / 400;
    const int64_t yearOfEra = y - era * 400;
    const int64_t monthFromMarch = month > 2 ? month - 3 : month + 9;
    const int64_t dayOfYear = (153 * monthFromMarch + 2) / 5 + day - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    const int64_t daysSince0000March = era * 146097 + dayOfEra;
    return daysSince0000March - kDaysFrom0000MarchTo1601;
}

void CivilFromDays(int64_t daysSince1601, SystemTime& out) {
    const int64_t z = daysSince1601 + kDaysFrom0000MarchTo1601;
    const int64_t era = z / 146097;
    const int64_t dayOfEra = z - era * 146097;
    const int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int64_t monthFromMarch = (5 * dayOfYear + 2) / 153;
    const int64_t day = dayOfYear - (153 * monthFromMarch + 2) / 5 + 1;
    const int64_t month = monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9;
    const int64_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    out.wYear = static_cast<uint16_t>(year);
    out.wMonth = static_cast<uint16_t>(month);
    out.wDay = static_cast<uint16_t>(day);
    out.wDayOfWeek = static_cast<uint16_t>((daysSince1601 + kMondayOfFirstDay) % 7);
}

}  // namespace

bool SystemTimeToTicks(const SystemTime& t, FileTimeTicks& ticks) {
    if (t.wYear < kFirstYear || t.wYear > kLastYear || t.wMonth < 1 || t.wMonth > 12) return false;
    if (t.wDay < 1 || t.wDay > DaysInMonth(t.wYear, t.wMonth)) return false;
    if (t.wHour > 23 || t.wMinute > 59 || t.wSecond > 59 || t.wMilliseconds > 999) return false;
    const int64_t days = DaysSince1601(t.wYear, t.wMonth, t.wDay);
    const int64_t seconds = days * kSecondsPerDay + t.wHour * 3600 + t.wMinute * 60 + t.wSecond;
    ticks = static_cast<FileTimeTicks>(seconds * kTicksPerSecond + t.wMilliseconds * kTicksPerMillisecond);
    return true;
}

bool TicksToSystemTime(FileTimeTicks ticks, SystemTime& t) {
    if (ticks > 0x7FFFFFFFFFFFFFFFull) return false;
    const int64_t totalMilliseconds = static_cast<int64_t>(ticks) / kTicksPerMillisecond;
    const int64_t days = totalMilliseconds / (kSecondsPerDay * 1000);
    int64_t rest = totalMilliseconds % (kSecondsPerDay * 1000);
    SystemTime out;
    CivilFromDays(days, out);
    out.wHour = static_cast<uint16_t>(rest / 3600000);
    rest %= 3600000;
    out.wMinute = static_cast<uint16_t>(rest / 60000);
    rest %= 60000;
    out.wSecond = static_cast<uint16_t>(rest / 1000);
    out.wMilliseconds = static_cast<uint16_t>(rest % 1000);
    t = out;
    return true;
}
