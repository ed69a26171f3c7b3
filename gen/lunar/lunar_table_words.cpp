// Packing of the month tables.
#include "lunar_table_words.hpp"

#include <algorithm>
#include <cstdio>
#include <stdexcept>
#include <string>

#include "calendar/day_arithmetic.hpp"

namespace qimen::gen {
namespace {

constexpr int kDayCountToJulianDay = 1721425;

[[noreturn]] void fail(const std::string& what, int year, int month) {
    throw std::runtime_error("packMonthTables: " + what + " at " + std::to_string(year) + "-" + std::to_string(month));
}

// Index of the month holding day count `day`.
std::size_t monthHolding(const std::vector<LunarMonth>& months, int day) {
    auto it = std::upper_bound(months.begin(), months.end(), day,
                               [](int d, const LunarMonth& m) { return d < m.start; });
    if (it == months.begin()) throw std::runtime_error("packMonthTables: a day before the first month");
    return static_cast<std::size_t>(it - months.begin()) - 1;
}

// Month offset of lunar month `lunar` seen from Gregorian (year, month):
// the lunar number is month − offset, plus 12 in the previous year.
std::uint32_t monthOffset(const LunarMonth& lunar, int year, int month) {
    int offset = month - lunar.month + 12 * (year - lunar.year);
    if (offset < 0 || offset > 3 || (month - offset <= 0) != (lunar.year == year - 1))
        fail("month offset outside 0..3", year, month);
    return static_cast<std::uint32_t>(offset);
}

std::uint32_t lunarFromSolarWord(const std::vector<LunarMonth>& months, int year, int month, MonthTables& out) {
    const int first = calendar::dayNumber(year, month, 1);
    const int length = calendar::monthLength(year, month);
    std::size_t running = monthHolding(months, first);
    std::vector<std::size_t> starts;  // months beginning on days 1..length
    for (std::size_t i = months[running].start == first ? running : running + 1;
         i < months.size() && months[i].start < first + length; ++i)
        starts.push_back(i);

    std::uint32_t word = 0;
    std::size_t next = 0;  // the first of `starts` not yet written
    if (months[running].start != first) {
        // Days 1..B in the lunar month begun in an earlier Gregorian month.
        const LunarMonth& a = months[running];
        const int lastDay = starts.empty() ? length : months[starts[0]].start - first;
        word |= static_cast<std::uint32_t>(lastDay);
        word |= static_cast<std::uint32_t>(first - a.start) << 8;
        word |= monthOffset(a, year, month) << 13;
        word |= a.leap ? 0x8000u : 0u;
    }
    if (next < starts.size()) {  // days after B
        const LunarMonth& b = months[starts[next++]];
        word |= monthOffset(b, year, month) << 5;
        word |= b.leap ? 0x80u : 0u;
    }
    if (next < starts.size()) {  // a second start: the high half
        const LunarMonth& c = months[starts[next++]];
        word |= static_cast<std::uint32_t>(c.start - first + 1) << 16;
        word |= monthOffset(c, year, month) << 21;
        word |= c.leap ? 0x800000u : 0u;
        out.twoStartMonths.push_back(year * 100 + month);
    }
    if (next < starts.size()) fail("three lunar months begin", year, month);
    return word;
}

std::uint32_t solarFromLunarHalf(const LunarMonth& m, MonthTables& out) {
    if (m.length != 29 && m.length != 30) fail("a month of " + std::to_string(m.length) + " days", m.year, m.month);
    const calendar::CivilDateTime start = calendar::dateFromJulianDay(m.start + kDayCountToJulianDay);
    const int h = (start.year - m.year) * 12 + start.month - m.month;
    if (h < 0 || h > 3) fail("first day outside months +0..+3", m.year, m.month);
    std::uint32_t half = static_cast<std::uint32_t>(start.day - 1);  // add
    half |= static_cast<std::uint32_t>(h) << 5;
    half |= m.length == 30 ? 0x80u : 0u;
    const int inFirst = calendar::monthLength(start.year, start.month) - start.day + 1;
    if (inFirst < m.length) {
        half |= static_cast<std::uint32_t>(inFirst) << 8;  // g
        half |= static_cast<std::uint32_t>(h + 1) << 13;   // h2
        const int nextYear = start.month == 12 ? start.year + 1 : start.year;
        const int nextMonth = start.month % 12 + 1;
        if (m.length - inFirst > calendar::monthLength(nextYear, nextMonth))
            out.threeMonthLunarMonths.push_back(m.year * 100 + m.month);
    }
    return half;
}

std::string wordLines(const std::vector<std::uint32_t>& words) {
    std::string text;
    char buffer[32];
    for (std::size_t i = 0; i < words.size(); ++i) {
        std::snprintf(buffer, sizeof buffer, "0x%08xu,", words[i]);
        text += buffer;
        if (i % 12 == 11) {
            std::snprintf(buffer, sizeof buffer, "  // %d\n", kMonthTableFirstYear + static_cast<int>(i / 12));
            text += buffer;
        } else {
            text += ' ';
        }
    }
    return text;
}

std::string monthList(const std::vector<int>& yearMonths) {
    std::string text;
    for (std::size_t i = 0; i < yearMonths.size(); ++i) {
        text += (i == 0 ? "" : i % 8 == 0 ? ",\n//   " : ", ") + std::to_string(yearMonths[i] / 100) + "-" +
                std::to_string(yearMonths[i] % 100);
    }
    return text.empty() ? "none" : text;
}

const char* const kSourceNote =
    "// Source: the Chinese calendar computed by gen/lunar: true new moons and\n"
    "// principal terms (ERFA apparent longitudes of the Sun and the Moon, the\n"
    "// ΔT model of the solar-term table) on their civil days of UTC+8, and of\n"
    "// Beijing local mean time (116°25′ E) in 1912..1928; the month holding\n"
    "// 冬至 is month 11; in a sui of 13 months the first month without a\n"
    "// principal term is leap. Years 1900..2050, 1,812 words, index\n"
    "// (year - 1900) * 12 + (month - 1).\n"
    "// Generated; do not edit. Regenerate from the source root with\n"
    "//   build/<dir>/gen/lunar/gen_lunar_tables data/calendar\n"
    "// tests/gen/lunar_tables_test.cpp regenerates and compares.\n";

}  // namespace

MonthTables packMonthTables(const std::vector<LunarMonth>& months) {
    MonthTables out;
    for (int year = kMonthTableFirstYear; year <= kMonthTableLastYear; ++year)
        for (int month = 1; month <= 12; ++month) out.lunarFromSolar.push_back(lunarFromSolarWord(months, year, month, out));

    for (int year = kMonthTableFirstYear; year <= kMonthTableLastYear; ++year) {
        for (int month = 1; month <= 12; ++month) {
            const LunarMonth* ordinary = nullptr;
            const LunarMonth* leap = nullptr;
            for (const LunarMonth& m : months) {
                if (m.year != year || m.month != month) continue;
                (m.leap ? leap : ordinary) = &m;
            }
            if (!ordinary) fail("no such lunar month", year, month);
            std::uint32_t word = solarFromLunarHalf(*ordinary, out);
            if (leap) word |= (solarFromLunarHalf(*leap, out) << 16) | 0x80000000u;
            out.solarFromLunar.push_back(word);
        }
    }
    return out;
}

std::string formatLunarFromSolarTable(const MonthTables& tables) {
    std::string text =
        "// Gregorian-to-lunar words of 1900..2050: one per Gregorian month, low 16\n"
        "// bits used. Bits 0..4 B, the last day still in the lunar month running on\n"
        "// the 1st (0: a lunar month begins on the 1st and no other in the month);\n"
        "// bits 5..6 month offset and bit 7 leap flag after B; bits 8..12 day\n"
        "// offset, bits 13..14 month offset and bit 15 leap flag up to B. Lunar\n"
        "// day = day - B after B, day + offset up to B; lunar month = month -\n"
        "// offset, plus 12 in the previous lunar year when not positive.\n"
        "// High half, for the months in which a second lunar month begins after\n"
        "// the one B leads into: bits 16..20 its first day C (0: none), bits 21..22\n"
        "// its month offset, bit 23 its leap flag; from day C on the lunar day is\n"
        "// day - C + 1. Those months: ";
    text += monthList(tables.twoStartMonths) + ".\n";
    text += kSourceNote;
    return text + wordLines(tables.lunarFromSolar);
}

std::string formatSolarFromLunarTable(const MonthTables& tables) {
    std::string text =
        "// Lunar-to-Gregorian words of lunar years 1900..2050: one per lunar\n"
        "// (year, month); low half the ordinary month, high half the leap month of\n"
        "// that number, bit 31 set when the year has it. Each half: bits 0..4 add,\n"
        "// bits 5..6 h, bit 7 long (30 days), bits 8..12 g (0: the month stays in\n"
        "// one Gregorian month), bits 13..14 h2. Lunar day 1 is day add + 1 of\n"
        "// month (lunar month + h); the first g days stay there, later days are day\n"
        "// (lunar day - g) of month (lunar month + h2); months above 12 are in the\n"
        "// next year.\n"
        "// Lunar months reaching a third Gregorian month (the lookup carries the\n"
        "// overflow into March): ";
    text += monthList(tables.threeMonthLunarMonths) + ".\n";
    text += kSourceNote;
    return text + wordLines(tables.solarFromLunar);
}

}  // namespace qimen::gen
