// Moments and years as the user types them, in the one strict form every
// entry point accepts: "YYYY-MM-DD HH:MM" or "YYYY-MM-DD" (00:00), digits
// only, the year as the user writes it (−850..2100, no year 0, "-" for BCE).
// Anything else is refused with a message naming the real fault.
#pragma once

#include <string>
#include <string_view>

#include "base/expected.hpp"
#include "calendar/civil_date_time.hpp"

namespace qimen::calendar {

// Message for a Gregorian date that does not exist (2001-02-30, month 13).
inline constexpr const char* kNoSuchDateMessage = "不存在这个日期";

enum class MomentKind {
    Gregorian,  // the day must exist in its month
    Lunar,      // month 1..12 and day from 1; whether the lunar day exists is
                // the lunar calendar's answer, with its own messages
};

// The fields of a typed moment as written, checked for form only (the year
// may have up to six digits, so that a far year is named, not misread).
struct MomentFields {
    int userYear = 0;
    int month = 0, day = 0, hour = 0, minute = 0;
    bool hasTime = false;
};
Expected<MomentFields> readMomentFields(std::string_view text, MomentKind kind);

// The moment with its year made astronomical. Fails with one sentence: the
// form, year 0, a year outside −850..2100, a time outside 00:00..23:59, or
// kNoSuchDateMessage for a Gregorian day that does not exist.
Expected<CivilDateTime> parseMomentText(std::string_view text, MomentKind kind);

// A year as the user writes it ("2000", "-850"), returned astronomical.
Expected<int> parseUserYearText(std::string_view text);

// True when a typed moment carries a time of day.
bool momentTextHasTime(std::string_view text);

// "YYYY-MM-DD HH:MM" with the year as the user writes it.
std::string formatMomentText(const CivilDateTime& date);

}  // namespace qimen::calendar
