// The solar term nearest to a moment: which term, its instant and how many
// minutes away, for the warnings about charts laid on a term and for the
// time search's avoidance of such moments.
#pragma once

#include "calendar/civil_date_time.hpp"
#include "calendar/solar_terms.hpp"

namespace qimen::calendar {

struct NearestTerm {
    int term = 0;               // SolarTerm code: 0 小寒 … 23 冬至
    TermInstant instant;        // the term's instant (UTC+8, to the minute)
    double minutesAway = 0;     // whole minutes, term instant minus the moment: > 0 still to come, ≤ 0 passed
};

// The term, of all twenty-four, whose instant lies nearest to `clock` (a
// valid clock time of UTC+8, years -849..2100). Looks at the terms owned by
// the moment's month and the months on either side (of the neighbouring
// years at the ends of the year). A moment exactly on an instant has
// minutesAway 0: the term counts as passed, as the pillars and ju rules
// count it. Six table lookups in 1900..2050.
NearestTerm nearestTerm(const CivilDateTime& clock);

}  // namespace qimen::calendar
