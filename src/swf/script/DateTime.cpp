#include "swf/script/DateTime.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <ctime>

namespace swf::script {
namespace {

constexpr double MsPerDay = 86400000;

// Days since 1970-01-01 of a date in the proleptic Gregorian calendar
// (month 1 to 12), for any year an int64 holds.
int64_t DaysFromCivil(int64_t y, int64_t m, int64_t d) {
    y -= m <= 2;
    int64_t era = (y >= 0 ? y : y - 399) / 400;
    int64_t yoe = y - era * 400;
    int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void CivilFromDays(int64_t z, int64_t& y, int64_t& m, int64_t& d) {
    z += 719468;
    int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    int64_t doe = z - era * 146097;
    int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    int64_t mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    y = yoe + era * 400 + (m <= 2);
}

// Years this far out are no dates (and would overflow the day count).
constexpr double MaxYear = 1e8;

} // namespace

double DateClock::Now() const {
    if (FixedNow)
        return *FixedNow;
    auto since = std::chrono::system_clock::now().time_since_epoch();
    return std::floor(std::chrono::duration<double, std::milli>(since).count());
}

double DateClock::ZoneOffset(double t) const {
    if (FixedZoneMinutes)
        return *FixedZoneMinutes * 60000.0;
    if (!std::isfinite(t))
        return 0;
    // The system's zone at that moment (times past what time_t holds take
    // the nearest it does).
    double seconds = std::clamp(std::floor(t / 1000), -2147483648.0, 2147483647.0);
    auto when = static_cast<std::time_t>(seconds);
    std::tm* local = std::localtime(&when);
    if (!local)
        return 0;
    double localSeconds =
        double(DaysFromCivil(local->tm_year + 1900, local->tm_mon + 1, local->tm_mday)) * 86400 +
        local->tm_hour * 3600.0 + local->tm_min * 60.0 + local->tm_sec;
    return (localSeconds - seconds) * 1000;
}

std::optional<DateClock> DateClock::Parse(const std::string& text) {
    int year, month, day, hours, minutes, seconds, zone;
    char sign;
    if (std::sscanf(text.c_str(), "%d-%d-%dT%d:%d:%d%c%4d", &year, &month, &day, &hours, &minutes, &seconds,
                    &sign, &zone) != 8 ||
        (sign != '+' && sign != '-'))
        return std::nullopt;
    DateClock clock;
    clock.FixedZoneMinutes = (sign == '-' ? -1 : 1) * (zone / 100 * 60 + zone % 100);
    double local = MakeTime(year, month - 1, day, hours, minutes, seconds, 0);
    clock.FixedNow = local - *clock.FixedZoneMinutes * 60000.0;
    return clock;
}

CalendarFields SplitTime(double t) {
    CalendarFields f;
    double days = std::floor(t / MsPerDay);
    double inDay = t - days * MsPerDay;
    int64_t y, m, d;
    CivilFromDays(static_cast<int64_t>(days), y, m, d);
    f.Year = double(y);
    f.Month = double(m - 1);
    f.Date = double(d);
    f.Day = std::fmod(std::fmod(days + 4, 7) + 7, 7);
    f.Hours = std::floor(inDay / 3600000);
    f.Minutes = std::fmod(std::floor(inDay / 60000), 60);
    f.Seconds = std::fmod(std::floor(inDay / 1000), 60);
    f.Milliseconds = std::fmod(std::floor(inDay), 1000);
    return f;
}

double MakeTime(double year, double month, double date, double hours, double minutes, double seconds,
                double milliseconds) {
    for (double v : {year, month, date, hours, minutes, seconds, milliseconds})
        if (!std::isfinite(v))
            return std::nan("");
    double y = std::trunc(year) + std::floor(std::trunc(month) / 12);
    if (std::fabs(y) > MaxYear)
        return std::nan("");
    double m = std::fmod(std::fmod(std::trunc(month), 12) + 12, 12);
    double days =
        double(DaysFromCivil(static_cast<int64_t>(y), static_cast<int64_t>(m) + 1, 1)) + std::trunc(date) - 1;
    return days * MsPerDay + std::trunc(hours) * 3600000 + std::trunc(minutes) * 60000 +
           std::trunc(seconds) * 1000 + milliseconds;
}

std::string DateText(double t, double zoneOffset) {
    if (!std::isfinite(t))
        return "Invalid Date";
    static const char* days[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static const char* months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    CalendarFields f = SplitTime(t + zoneOffset);
    int zone = static_cast<int>(std::lround(zoneOffset / 60000));
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, "%s %s %d %02d:%02d:%02d GMT%c%02d%02d %.0f", days[int(f.Day)],
                  months[int(f.Month)], int(f.Date), int(f.Hours), int(f.Minutes), int(f.Seconds),
                  zone < 0 ? '-' : '+', std::abs(zone) / 60, std::abs(zone) % 60, f.Year);
    return buffer;
}

} // namespace swf::script
