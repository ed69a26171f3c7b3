// China's summer time of 1986–1991, read from the system's time-zone
// database (zone Asia/Shanghai) rather than written down here, and what a
// clock time of those summers stands for in Beijing standard time (UTC+8).
#pragma once

#include <vector>

#include "base/expected.hpp"
#include "calendar/civil_date_time.hpp"
#include "files/zone_file.hpp"

namespace qimen::boundary {

// The years in which China kept summer time by the present law.
inline constexpr int kSummerTimeFirstYear = 1986;
inline constexpr int kSummerTimeLastYear = 1991;

// One summer, in standard time (UTC+8): at `start` the clocks jumped
// forward by `shiftMinutes`, at `end` they fell back.
struct SummerTimePeriod {
    calendar::CivilDateTime start;
    calendar::CivilDateTime end;
    int shiftMinutes = 60;

    friend bool operator==(const SummerTimePeriod&, const SummerTimePeriod&) = default;
};

// The summers beginning in firstYear..lastYear (standard-time years) among a
// zone's transitions whose standard time is UTC+8. Fails when a summer has
// no end among the transitions.
Expected<std::vector<SummerTimePeriod>> summerTimePeriods(const std::vector<files::ZoneTransition>& transitions,
                                                          int firstYear = kSummerTimeFirstYear,
                                                          int lastYear = kSummerTimeLastYear);

// The summers of 1986–1991 from files::kChinaZoneFile, read once per
// process (thread-safe); the failure names the file and its fault.
const Expected<std::vector<SummerTimePeriod>>& chinaSummerTime();

// What a clock time read in China stands for.
struct ClockReading {
    enum class Kind {
        Standard,  // outside summer time: the clock shows standard time
        Summer,    // inside a summer: standard time is shiftMinutes earlier
        Skipped,   // in the hour the clocks jumped over: never shown
        Repeated,  // in the hour shown twice when the clocks fell back
    };
    Kind kind = Kind::Standard;
    // The standard time the clock time stands for if it was read in summer
    // time (Summer, Skipped, Repeated); the clock time itself for Standard.
    calendar::CivilDateTime summerReading;
    const SummerTimePeriod* period = nullptr;  // the summer concerned, else null
};

// Classifies a clock time (to the minute) against `periods`.
ClockReading readClockTime(const std::vector<SummerTimePeriod>& periods, const calendar::CivilDateTime& clock);

}  // namespace qimen::boundary
