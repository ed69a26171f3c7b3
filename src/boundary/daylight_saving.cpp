// Summer periods from zone transitions, and the reading of a clock time.
// Times are compared as whole minutes of standard time since 1970, so no
// rounding of Julian days enters a comparison.
#include "boundary/daylight_saving.hpp"

#include <cmath>

#include "calendar/day_arithmetic.hpp"

namespace qimen::boundary {
namespace {

constexpr std::int32_t kStandardOffsetSeconds = 8 * 3600;
constexpr double kUnixEpochJulianDay = 2440587.5;  // 1970-01-01 00:00

std::int64_t minutesOf(const calendar::CivilDateTime& t) {
    return std::llround((calendar::julianDay(t) - kUnixEpochJulianDay) * 1440.0);
}

calendar::CivilDateTime civilOf(std::int64_t minutes) {
    // Half a minute past the minute, so that flooring never lands a minute early.
    return calendar::dateFromJulianDay(kUnixEpochJulianDay + (static_cast<double>(minutes) + 0.5) / 1440.0);
}

std::int64_t standardMinutes(std::int64_t utcSeconds) {
    std::int64_t seconds = utcSeconds + kStandardOffsetSeconds;
    return seconds >= 0 ? seconds / 60 : -((-seconds + 59) / 60);  // floored
}

}  // namespace

Expected<std::vector<SummerTimePeriod>> summerTimePeriods(const std::vector<files::ZoneTransition>& transitions,
                                                          int firstYear, int lastYear) {
    std::vector<SummerTimePeriod> periods;
    for (std::size_t i = 0; i < transitions.size(); ++i) {
        const files::ZoneTransition& t = transitions[i];
        bool enteringSummer = t.daylightSaving && (i == 0 || !transitions[i - 1].daylightSaving);
        if (!enteringSummer) continue;
        calendar::CivilDateTime start = civilOf(standardMinutes(t.utcSeconds));
        if (start.year < firstYear || start.year > lastYear) continue;
        std::size_t j = i + 1;
        while (j < transitions.size() && transitions[j].daylightSaving) ++j;
        if (j == transitions.size()) return fail("summer time beginning " + std::to_string(start.year) + " has no end");
        periods.push_back({start, civilOf(standardMinutes(transitions[j].utcSeconds)),
                           (t.utcOffsetSeconds - kStandardOffsetSeconds) / 60});
    }
    return periods;
}

const Expected<std::vector<SummerTimePeriod>>& chinaSummerTime() {
    static const Expected<std::vector<SummerTimePeriod>> periods = []() -> Expected<std::vector<SummerTimePeriod>> {
        Expected<std::vector<files::ZoneTransition>> zone = files::readZoneFile(files::kChinaZoneFile);
        if (!zone) return fail(zone.message());
        return summerTimePeriods(*zone);
    }();
    return periods;
}

ClockReading readClockTime(const std::vector<SummerTimePeriod>& periods, const calendar::CivilDateTime& clock) {
    const std::int64_t shown = minutesOf(clock);
    for (const SummerTimePeriod& p : periods) {
        const std::int64_t start = minutesOf(p.start);
        const std::int64_t end = minutesOf(p.end);
        const std::int64_t shift = p.shiftMinutes;
        // On summer clocks the period runs from start + shift to end + shift.
        ClockReading::Kind kind;
        if (shown >= start && shown < start + shift)
            kind = ClockReading::Kind::Skipped;
        else if (shown >= start + shift && shown < end)
            kind = ClockReading::Kind::Summer;
        else if (shown >= end && shown < end + shift)
            kind = ClockReading::Kind::Repeated;
        else
            continue;
        return ClockReading{kind, civilOf(shown - shift), &p};
    }
    return ClockReading{ClockReading::Kind::Standard, clock, nullptr};
}

}  // namespace qimen::boundary
