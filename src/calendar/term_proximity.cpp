// Nearest solar term: the six terms owned by the month before, the month of
// and the month after a moment bracket it, since terms are 14 to 16 days
// apart and each Gregorian month owns two.
#include "calendar/term_proximity.hpp"

#include <cmath>
#include <initializer_list>

#include "calendar/day_arithmetic.hpp"

namespace qimen::calendar {

NearestTerm nearestTerm(const CivilDateTime& clock) {
    const double at = julianDay(clock);
    NearestTerm best;
    bool found = false;
    for (int offset = -1; offset <= 1; ++offset) {
        int month = clock.month + offset;
        int y = clock.year;
        if (month < 1) {
            month += 12;
            --y;
        } else if (month > 12) {
            month -= 12;
            ++y;
        }
        for (bool sectional : {true, false}) {
            TermInstant instant = termOfMonth(y, month, sectional);
            // Both instants are whole minutes; rounding drops the binary noise.
            double minutes = std::round((julianDay(instant.time) - at) * 1440.0);
            if (!found || std::fabs(minutes) < std::fabs(best.minutesAway)) {
                best = NearestTerm{sectional ? 2 * month - 2 : 2 * month - 1, instant, minutes};
                found = true;
            }
        }
    }
    return best;
}

}  // namespace qimen::calendar
