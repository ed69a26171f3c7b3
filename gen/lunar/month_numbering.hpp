// Numbering of lunar months by the rule of the Chinese calendar, shared by
// the astronomical tables (1900..2050) and the leap-month table (-849..2100):
// the month that holds 冬至 is the eleventh; when thirteen months begin
// between two 冬至 months, the first of them without a principal term (中气)
// is the leap month and takes the number of the month before it.
//
// Data flow: days of new moons and of principal terms (day counts of the
// calendar core, each event on the civil day it falls in) → months as
// [start, next start) → 冬至 months → months numbered within each sui (the
// span from one 冬至 month to the next) → leap month of each lunar year.
#pragma once

#include <map>
#include <vector>

namespace qimen::gen {

// One lunar month: its first day and length (day counts of
// calendar::dayNumber), its lunar year (the Gregorian year in which month 1
// of that year begins), number 1..12 and leap flag.
struct LunarMonth {
    int start = 0;
    int length = 0;
    int year = 0;
    int month = 0;
    bool leap = false;
};

// A principal term on its civil day; `solstice` marks 冬至.
struct TermDay {
    int day = 0;
    bool solstice = false;
};

// The months of every complete sui covered by the inputs, in order.
// Given: newMoons, the days of consecutive new moons (strictly increasing);
// terms, every principal term over the same span in order, and the Gregorian
// year of each 冬至 in `solsticeYears` (same order as the 冬至 among terms).
// Returns: the months from the first 冬至 month up to (not including) the
// last; months 11 and 12 of a sui belong to the lunar year of the 冬至 that
// opens it, the others to the next year.
// Throws std::runtime_error when a sui has fewer than 12 or more than 13
// months, or 13 without a month lacking a principal term.
std::vector<LunarMonth> numberMonths(const std::vector<int>& newMoons, const std::vector<TermDay>& terms,
                                     const std::vector<int>& solsticeYears);

// Lunar year → the month after which it inserts its leap month, for every
// leap month of `months`.
std::map<int, int> leapMonthsByYear(const std::vector<LunarMonth>& months);

}  // namespace qimen::gen
