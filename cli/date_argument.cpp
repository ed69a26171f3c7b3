// Strict parsing of command-line dates: every field must be present and in
// range; nothing is guessed.
#include "date_argument.hpp"

#include <charconv>
#include <cstdio>
#include <string_view>

#include "calendar/day_arithmetic.hpp"
#include "command.hpp"

namespace qimen::cli {
namespace {

// Reads an unsigned decimal field of 1..maxDigits digits at `pos`.
bool readNumber(std::string_view s, std::size_t& pos, int maxDigits, int& value) {
    std::size_t start = pos;
    while (pos < s.size() && pos - start < static_cast<std::size_t>(maxDigits) && s[pos] >= '0' && s[pos] <= '9')
        ++pos;
    if (pos == start) return false;
    std::from_chars(s.data() + start, s.data() + pos, value);
    return true;
}

bool expect(std::string_view s, std::size_t& pos, char c) {
    if (pos < s.size() && s[pos] == c) {
        ++pos;
        return true;
    }
    return false;
}

int checkedUserYear(int userYear, const std::string& text) {
    if (userYear == 0) throw CommandError("there is no year 0 in \"" + text + "\" (1 BCE is written -1)");
    if (userYear < -850 || userYear > 2100)
        throw CommandError("year " + std::to_string(userYear) + " is outside -850..2100");
    return calendar::astronomicalFromUserYear(userYear);
}

}  // namespace

int parseUserYear(const std::string& text) {
    std::string_view s = text;
    std::size_t pos = 0;
    bool negative = expect(s, pos, '-');
    int value = 0;
    if (!readNumber(s, pos, 4, value) || pos != s.size())
        throw CommandError("\"" + text + "\" is not a year (write e.g. 2000 or -850)");
    return checkedUserYear(negative ? -value : value, text);
}

namespace {

// Year, month, day, hour and minute of a typed moment, each field in its
// range; the day is not yet checked against the month.
calendar::CivilDateTime parseFields(const std::string& text, const char* kind) {
    std::string_view s = text;
    std::size_t pos = 0;
    bool negative = expect(s, pos, '-');
    int year = 0, month = 0, day = 0, hour = 0, minute = 0;
    bool ok = readNumber(s, pos, 4, year) && expect(s, pos, '-') && readNumber(s, pos, 2, month) &&
              expect(s, pos, '-') && readNumber(s, pos, 2, day);
    if (ok && pos < s.size()) {
        ok = (expect(s, pos, ' ') || expect(s, pos, 'T')) && readNumber(s, pos, 2, hour) && expect(s, pos, ':') &&
             readNumber(s, pos, 2, minute);
    }
    if (!ok || pos != s.size())
        throw CommandError("\"" + text + "\" is not a " + kind + "; write YYYY-MM-DD HH:MM, YYYY-MM-DD or now");
    int astronomical = checkedUserYear(negative ? -year : year, text);
    if (month < 1 || month > 12) throw CommandError("month " + std::to_string(month) + " in \"" + text + "\" is not 1..12");
    if (day < 1) throw CommandError("day 0 in \"" + text + "\" does not exist");
    if (hour > 23 || minute > 59) throw CommandError("time in \"" + text + "\" is not 00:00..23:59");
    return calendar::CivilDateTime{static_cast<std::int16_t>(astronomical), static_cast<std::int16_t>(month),
                                   static_cast<std::int16_t>(day), static_cast<std::int16_t>(hour),
                                   static_cast<std::int16_t>(minute)};
}

}  // namespace

calendar::CivilDateTime parseMoment(const std::string& text, const std::function<calendar::CivilDateTime()>& now) {
    if (text == "now") return now();
    calendar::CivilDateTime date = parseFields(text, "date");
    if (!calendar::isValidDate(date))
        throw CommandError("day " + std::to_string(date.day) + " does not exist in the month of \"" + text + "\"");
    return date;
}

calendar::CivilDateTime parseChartMoment(const std::string& text,
                                         const std::function<calendar::CivilDateTime()>& now) {
    if (text == "now") return now();
    calendar::CivilDateTime date = parseFields(text, "date");
    if (date.day > 31) throw CommandError("day " + std::to_string(date.day) + " in \"" + text + "\" is not 1..31");
    return date;
}

calendar::CivilDateTime parseLunarMoment(const std::string& text) {
    // Whether the lunar day exists in its month (day 31 included) is the
    // lunar calendar's answer, with its own message.
    return parseFields(text, "lunar date");
}

bool hasTimeOfDay(const std::string& text) { return text.find_first_of(" T") != std::string::npos; }

std::string formatMoment(const calendar::CivilDateTime& date) {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%d-%02d-%02d %02d:%02d", calendar::userFromAstronomicalYear(date.year),
                  date.month, date.day, date.hour, date.minute);
    return buffer;
}

}  // namespace qimen::cli
