// The month-numbering rule of the Chinese calendar over lists of event days.
#include "month_numbering.hpp"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace qimen::gen {
namespace {

// Index of the month holding `day`: the last new moon on or before it, or −1.
long monthHolding(const std::vector<int>& newMoons, int day) {
    auto it = std::upper_bound(newMoons.begin(), newMoons.end(), day);
    return static_cast<long>(it - newMoons.begin()) - 1;
}

}  // namespace

std::vector<LunarMonth> numberMonths(const std::vector<int>& newMoons, const std::vector<TermDay>& terms,
                                     const std::vector<int>& solsticeYears) {
    const long count = static_cast<long>(newMoons.size()) - 1;  // months with a known end
    std::vector<int> principalCount(static_cast<std::size_t>(std::max(count, 0L)), 0);
    std::vector<long> solsticeMonths;
    for (const TermDay& term : terms) {
        long i = monthHolding(newMoons, term.day);
        bool inside = i >= 0 && i < count;
        if (inside) ++principalCount[static_cast<std::size_t>(i)];
        if (term.solstice) solsticeMonths.push_back(inside ? i : -1);
    }
    if (solsticeMonths.size() != solsticeYears.size())
        throw std::runtime_error("numberMonths: one Gregorian year is needed per 冬至");

    std::vector<LunarMonth> months;
    for (std::size_t s = 0; s + 1 < solsticeMonths.size(); ++s) {
        const long first = solsticeMonths[s];
        const long next = solsticeMonths[s + 1];
        if (first < 0 || next < 0) continue;  // a sui not wholly covered by the new moons
        const long span = next - first;
        if (span != 12 && span != 13)
            throw std::runtime_error("numberMonths: a sui of " + std::to_string(span) + " months after 冬至 of " +
                                     std::to_string(solsticeYears[s]));
        long leapIndex = -1;
        if (span == 13) {
            for (long i = first + 1; i < next && leapIndex < 0; ++i)
                if (principalCount[static_cast<std::size_t>(i)] == 0) leapIndex = i;
            if (leapIndex < 0)
                throw std::runtime_error("numberMonths: thirteen months without a leap month after 冬至 of " +
                                         std::to_string(solsticeYears[s]));
        }
        int number = 10;  // the 冬至 month becomes 11
        for (long i = first; i < next; ++i) {
            LunarMonth month;
            month.start = newMoons[static_cast<std::size_t>(i)];
            month.length = newMoons[static_cast<std::size_t>(i) + 1] - month.start;
            month.leap = i == leapIndex;
            if (!month.leap) number = number % 12 + 1;
            month.month = number;
            month.year = solsticeYears[s] + (month.month >= 11 ? 0 : 1);
            months.push_back(month);
        }
    }
    return months;
}

std::map<int, int> leapMonthsByYear(const std::vector<LunarMonth>& months) {
    std::map<int, int> leaps;
    for (const LunarMonth& m : months)
        if (m.leap) leaps[m.year] = m.month;
    return leaps;
}

}  // namespace qimen::gen
