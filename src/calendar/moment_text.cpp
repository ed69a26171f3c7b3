// Strict parsing of typed moments: every field present, digits only, in range.
#include "calendar/moment_text.hpp"

#include <cstdio>

#include "calendar/day_arithmetic.hpp"

namespace qimen::calendar {
namespace {

// Reads 1..maxDigits decimal digits at `pos`.
bool readNumber(std::string_view s, std::size_t& pos, std::size_t maxDigits, int& value) {
    std::size_t start = pos;
    value = 0;
    while (pos < s.size() && pos - start < maxDigits && s[pos] >= '0' && s[pos] <= '9') value = value * 10 + (s[pos++] - '0');
    return pos > start;
}

bool expect(std::string_view s, std::size_t& pos, char c) {
    if (pos < s.size() && s[pos] == c) {
        ++pos;
        return true;
    }
    return false;
}

std::string quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

Expected<int> checkedUserYear(int userYear, std::string_view text) {
    if (userYear == 0) return fail("there is no year 0 in " + quoted(text) + " (1 BCE is written -1)");
    if (userYear < -850 || userYear > 2100)
        return fail("year " + std::to_string(userYear) + " is outside -850..2100");
    return astronomicalFromUserYear(userYear);
}

}  // namespace

Expected<int> parseUserYearText(std::string_view text) {
    std::size_t pos = 0;
    bool negative = expect(text, pos, '-');
    int value = 0;
    if (!readNumber(text, pos, 4, value) || pos != text.size())
        return fail(quoted(text) + " is not a year (write e.g. 2000 or -850)");
    return checkedUserYear(negative ? -value : value, text);
}

Expected<MomentFields> readMomentFields(std::string_view text, MomentKind kind) {
    std::size_t pos = 0;
    bool negative = expect(text, pos, '-');
    MomentFields f;
    bool ok = readNumber(text, pos, 6, f.userYear) && expect(text, pos, '-') && readNumber(text, pos, 2, f.month) &&
              expect(text, pos, '-') && readNumber(text, pos, 2, f.day);
    if (ok && pos < text.size())
        ok = f.hasTime = expect(text, pos, ' ') && readNumber(text, pos, 2, f.hour) && expect(text, pos, ':') &&
                         readNumber(text, pos, 2, f.minute);
    if (!ok || pos != text.size())
        return fail(quoted(text) + " is not a " + (kind == MomentKind::Lunar ? "lunar date" : "date") +
                    "; write YYYY-MM-DD HH:MM or YYYY-MM-DD");
    if (negative) f.userYear = -f.userYear;
    return f;
}

Expected<CivilDateTime> parseMomentText(std::string_view text, MomentKind kind) {
    auto f = readMomentFields(text, kind);
    if (!f) return fail(f.message());
    auto astronomical = checkedUserYear(f->userYear, text);
    if (!astronomical) return fail(astronomical.message());
    if (f->hour > 23 || f->minute > 59) return fail("the time in " + quoted(text) + " is not 00:00..23:59");
    CivilDateTime date{static_cast<std::int16_t>(*astronomical), static_cast<std::int16_t>(f->month),
                       static_cast<std::int16_t>(f->day), static_cast<std::int16_t>(f->hour),
                       static_cast<std::int16_t>(f->minute)};
    if (kind == MomentKind::Lunar) {
        if (f->month < 1 || f->month > 12)
            return fail("month " + std::to_string(f->month) + " in " + quoted(text) + " is not 1..12");
        if (f->day < 1) return fail("day 0 in " + quoted(text) + " does not exist");
        return date;
    }
    if (!isValidDate(date)) return fail(kNoSuchDateMessage);
    return date;
}

bool momentTextHasTime(std::string_view text) { return text.find(' ') != std::string_view::npos; }

std::string formatMomentText(const CivilDateTime& date) {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%d-%02d-%02d %02d:%02d", userFromAstronomicalYear(date.year), date.month,
                  date.day, date.hour, date.minute);
    return buffer;
}

}  // namespace qimen::calendar
