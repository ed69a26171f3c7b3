// The stored lunar tables, compiled in from data/calendar (written by
// gen/lunar), and the running count of leap years the lunation count needs.
#include "calendar/lunar_tables.hpp"

#include <array>
#include <cstddef>
#include <iterator>

namespace qimen::calendar {
namespace {

constexpr std::uint32_t kLunarFromSolar[] = {
#include "calendar/lunar_from_solar.inc"
};
constexpr std::uint32_t kSolarFromLunar[] = {
#include "calendar/solar_from_lunar.inc"
};
constexpr std::uint8_t kLeapMonths[] = {
#include "calendar/lunar_leap_months.inc"
};

constexpr std::size_t kMonthWords = (kLunarTableLastYear - kLunarTableFirstYear + 1) * 12;
constexpr std::size_t kLeapYears = kLeapTableLastYear - kLeapTableFirstYear + 1;
static_assert(std::size(kLunarFromSolar) == kMonthWords);
static_assert(std::size(kSolarFromLunar) == kMonthWords);
static_assert(std::size(kLeapMonths) == kLeapYears);

// counts[i] = years of -849 .. -849 + i with a leap month.
constexpr std::array<std::int16_t, kLeapYears> makeLeapCounts() {
    std::array<std::int16_t, kLeapYears> counts{};
    int running = 0;
    for (std::size_t i = 0; i < kLeapYears; ++i) {
        if (kLeapMonths[i] != 0) ++running;
        counts[i] = static_cast<std::int16_t>(running);
    }
    return counts;
}
constexpr auto kLeapCounts = makeLeapCounts();

std::size_t monthIndex(int year, int month) {
    return static_cast<std::size_t>((year - kLunarTableFirstYear) * 12 + (month - 1));  // [0, 1811]
}

}  // namespace

std::uint32_t storedLunarFromSolarWord(int year, int month) { return kLunarFromSolar[monthIndex(year, month)]; }

std::uint32_t storedSolarFromLunarWord(int year, int month) { return kSolarFromLunar[monthIndex(year, month)]; }

int leapMonthOf(int year) {
    if (year < kLeapTableFirstYear || year > kLeapTableLastYear) return 0;
    return kLeapMonths[year - kLeapTableFirstYear];
}

int leapYearsThrough(int year) {
    if (year < kLeapTableFirstYear) return 0;
    if (year > kLeapTableLastYear) return kLeapCounts.back();
    return kLeapCounts[static_cast<std::size_t>(year - kLeapTableFirstYear)];
}

}  // namespace qimen::calendar
