#pragma once

#include <optional>
#include <string>

namespace swf::script {

// The wall clock and time zone that Date and its methods read. Unset, the
// system's clock and zone serve; a test run fixes both so that its output
// does not depend on the day and the place it runs in.
struct DateClock {
    std::optional<double> FixedNow;      // milliseconds since 1970 UTC
    std::optional<int> FixedZoneMinutes; // local time minus UTC

    double Now() const;
    // Local time minus UTC at time t, in milliseconds.
    double ZoneOffset(double t) const;

    // "2001-02-03T04:05:06+0545": that local time in that zone. Nothing for
    // text of another form.
    static std::optional<DateClock> Parse(const std::string& text);
};

// The calendar fields of a time (milliseconds since 1970, already moved to
// local time where that is wanted).
struct CalendarFields {
    double Year = 0, Month = 0, Date = 0, Day = 0, Hours = 0, Minutes = 0, Seconds = 0, Milliseconds = 0;
};

CalendarFields SplitTime(double t);
// The time of those fields; months and days out of range carry over, as
// scripts may write them. NaN when any is not finite.
double MakeTime(double year, double month, double date, double hours, double minutes, double seconds,
                double milliseconds);
// "Sat Feb 3 04:05:06 GMT+0545 2001", or "Invalid Date".
std::string DateText(double t, double zoneOffset);

} // namespace swf::script
