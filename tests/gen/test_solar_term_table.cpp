// The solar-term table: the committed file is what the generator writes, it
// reproduces the reference instants, and its 3,624 terms keep the order and
// spacing of the calendar.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include <erfa.h>
#include <gtest/gtest.h>

#include "solar_terms/solar_term_table.hpp"

namespace {

namespace gen = qimen::gen;

constexpr int kFirstYear = gen::kSolarTermTableFirstYear;
constexpr int kLastYear = gen::kSolarTermTableLastYear;

const char* const kCommittedPath = QIMEN_SOURCE_DIR "/data/calendar/solar_term_table.inc";

struct Term {
    int day, hour, minute;
};

Term sectionalOf(std::uint32_t word) {
    return {int(word & 0x1F), int((word >> 5) & 0x1F), int((word >> 10) & 0x3F)};
}
Term principalOf(std::uint32_t word) { return sectionalOf(word >> 16); }

std::string describe(int year, int month, std::uint32_t word) {
    Term s = sectionalOf(word), p = principalOf(word);
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, "0x%08x (%04d-%02d: %d %02d:%02d; %d %02d:%02d)", unsigned(word), year,
                  month, s.day, s.hour, s.minute, p.day, p.hour, p.minute);
    return buffer;
}

std::string readFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error(std::string("cannot read ") + path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The words of the table text, with the year each line's comment names
// (0 where a line has words but no year comment).
struct ParsedTable {
    std::vector<std::uint32_t> words;
    std::vector<int> lineYears;
    std::vector<int> wordsPerLine;
};

ParsedTable parseTable(const std::string& text) {
    ParsedTable table;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        std::size_t comment = line.find("//");
        std::string code = line.substr(0, comment);
        int count = 0;
        for (std::size_t at = code.find("0x"); at != std::string::npos; at = code.find("0x", at + 2)) {
            table.words.push_back(static_cast<std::uint32_t>(std::stoul(code.substr(at + 2, 8), nullptr, 16)));
            ++count;
        }
        if (count == 0) continue;
        table.wordsPerLine.push_back(count);
        table.lineYears.push_back(comment == std::string::npos ? 0 : std::atoi(line.c_str() + comment + 2));
    }
    return table;
}

// Minutes since 2000-01-01 00:00 of a civil minute.
long long minuteCount(int year, int month, Term t) {
    double mjd0 = 0.0, mjd = 0.0;
    if (eraCal2jd(year, month, t.day, &mjd0, &mjd) != 0) throw std::invalid_argument("bad date in table");
    auto day = static_cast<long long>(mjd) - 51544;  // MJD 51544 = 2000-01-01
    return day * 1440 + t.hour * 60 + t.minute;
}

const std::vector<std::uint32_t>& committedWords() {
    static const std::vector<std::uint32_t> words = parseTable(readFile(kCommittedPath)).words;
    return words;
}

// --- the committed file ------------------------------------------------------

// The committed file is byte for byte what the generator writes now. On a
// difference the first differing month (or line) is reported.
TEST(SolarTermTable, CommittedFileEqualsTheGeneratorOutput) {
    std::string committed = readFile(kCommittedPath);
    std::vector<std::uint32_t> words = gen::computeSolarTermTable();
    std::string generated = gen::formatSolarTermTable(words);
    if (committed == generated) return;

    std::vector<std::uint32_t> stored = parseTable(committed).words;
    for (std::size_t i = 0; i < words.size() && i < stored.size(); ++i) {
        if (words[i] != stored[i]) {
            int year = kFirstYear + int(i / 12), month = int(i % 12) + 1;
            FAIL() << "first differing month " << year << "-" << month << ": committed "
                   << describe(year, month, stored[i]) << ", generated " << describe(year, month, words[i])
                   << "; regenerate the table (see its header)";
        }
    }
    std::istringstream a(committed), b(generated);
    std::string lineA, lineB;
    for (int n = 1;; ++n) {
        bool moreA = bool(std::getline(a, lineA)), moreB = bool(std::getline(b, lineB));
        if (!moreA && !moreB) break;
        if (lineA != lineB || moreA != moreB) {
            FAIL() << "line " << n << " differs:\n  committed: " << (moreA ? lineA : "<end>")
                   << "\n  generated: " << (moreB ? lineB : "<end>") << "\n(" << stored.size() << " words committed, "
                   << words.size() << " generated)";
        }
    }
    FAIL() << "texts differ";
}

// One line per year 1900..2050, each of twelve words and named by its year.
TEST(SolarTermTable, CommittedFileHasOneLineOfTwelveWordsPerYear) {
    ParsedTable table = parseTable(readFile(kCommittedPath));
    ASSERT_EQ(table.words.size(), gen::kSolarTermTableWords);
    ASSERT_EQ(table.lineYears.size(), std::size_t(kLastYear - kFirstYear + 1));
    for (std::size_t i = 0; i < table.lineYears.size(); ++i) {
        EXPECT_EQ(table.lineYears[i], kFirstYear + int(i));
        EXPECT_EQ(table.wordsPerLine[i], 12) << "year " << kFirstYear + int(i);
    }
}

// --- reference instants ----------------------------------------------------

struct ReferenceRow {
    int year, month;
    Term sectional, principal;
};

// Rows of the calendar's reference list (UTC+8). Two of them differ from the
// astronomical definition by one minute, and the definition wins:
//   1900-01 principal: the Sun reaches 300° at 19:32:24.6 (listed 19:33);
//   2008-02 sectional: the Sun reaches 315° at 19:00:24.2 (listed 19:01).
// Both instants lie 24 s past the minute, where ΔT (−2.7 s and 65.5 s,
// known to a fraction of a second) cannot move them; the rows below carry
// the computed minute.
const ReferenceRow kReferenceRows[] = {
    {1900, 1, {6, 2, 4}, {20, 19, 32}},   // listed 20 19:33
    {2000, 1, {6, 9, 1}, {21, 2, 23}},    //
    {2000, 2, {4, 20, 40}, {19, 16, 33}}, //
    {2000, 6, {5, 16, 59}, {21, 9, 48}},  //
    {2000, 12, {7, 3, 37}, {21, 21, 37}}, //
    {2008, 2, {4, 19, 0}, {19, 14, 50}},  // listed 4 19:01
    {2050, 12, {7, 6, 42}, {22, 0, 39}},  //
};

TEST(SolarTermTable, ReproducesTheReferenceInstants) {
    for (const ReferenceRow& row : kReferenceRows) {
        std::uint32_t expected = gen::packTermHalf(row.sectional.day, row.sectional.hour, row.sectional.minute) |
                                 std::uint32_t(gen::packTermHalf(row.principal.day, row.principal.hour,
                                                                 row.principal.minute))
                                     << 16;
        std::uint32_t computed = gen::computeSolarTermWord(row.year, row.month);
        long long sectionalMinutes = minuteCount(row.year, row.month, sectionalOf(computed)) -
                                     minuteCount(row.year, row.month, row.sectional);
        long long principalMinutes = minuteCount(row.year, row.month, principalOf(computed)) -
                                     minuteCount(row.year, row.month, row.principal);
        EXPECT_EQ(computed, expected) << "expected " << describe(row.year, row.month, expected) << "\n  computed "
                                      << describe(row.year, row.month, computed) << "\n  difference "
                                      << sectionalMinutes << " min (sectional), " << principalMinutes
                                      << " min (principal)";
    }
}

// --- sweeps over the committed table ----------------------------------------

// Every field is in range, every day exists in its month, and each term
// stays within the days the calendar gives it in 1900..2050: sectional terms
// on the 3rd..9th, principal terms on the 18th..24th.
TEST(SolarTermTable, EveryTermIsAValidTimeOnItsUsualDays) {
    const std::vector<std::uint32_t>& words = committedWords();
    ASSERT_EQ(words.size(), gen::kSolarTermTableWords);
    for (std::size_t i = 0; i < words.size(); ++i) {
        int year = kFirstYear + int(i / 12), month = int(i % 12) + 1;
        for (bool sectional : {true, false}) {
            Term t = sectional ? sectionalOf(words[i]) : principalOf(words[i]);
            int firstDay = sectional ? 3 : 18;
            EXPECT_GE(t.day, firstDay) << describe(year, month, words[i]);
            EXPECT_LE(t.day, firstDay + 6) << describe(year, month, words[i]);
            EXPECT_LE(t.hour, 23) << describe(year, month, words[i]);
            EXPECT_LE(t.minute, 59) << describe(year, month, words[i]);
        }
    }
}

// All 3,624 terms strictly increase, and consecutive terms (across the turn
// of the year too) are 14..16 days apart.
TEST(SolarTermTable, TermsIncreaseAndAre14To16DaysApart) {
    const std::vector<std::uint32_t>& words = committedWords();
    ASSERT_EQ(words.size(), gen::kSolarTermTableWords);
    long long previous = 0;
    for (std::size_t i = 0; i < words.size(); ++i) {
        int year = kFirstYear + int(i / 12), month = int(i % 12) + 1;
        long long terms[2] = {minuteCount(year, month, sectionalOf(words[i])),
                              minuteCount(year, month, principalOf(words[i]))};
        for (int half = 0; half < 2; ++half) {
            if (i > 0 || half > 0) {
                long long gap = terms[half] - previous;
                EXPECT_GE(gap, 14 * 1440) << "term " << 2 * month - 1 + half << " of " << year << ": "
                                          << describe(year, month, words[i]) << ", gap " << gap << " min";
                EXPECT_LE(gap, 16 * 1440) << "term " << 2 * month - 1 + half << " of " << year << ": "
                                          << describe(year, month, words[i]) << ", gap " << gap << " min";
            }
            previous = terms[half];
        }
    }
}

// --- contracts of the generator ----------------------------------------------

TEST(SolarTermTable, TermLongitudesStartAtMinorColdAndStepBy15Degrees) {
    EXPECT_EQ(gen::solarTermLongitude(1), 285.0);   // 小寒
    EXPECT_EQ(gen::solarTermLongitude(3), 315.0);   // 立春
    EXPECT_EQ(gen::solarTermLongitude(6), 0.0);     // 春分
    EXPECT_EQ(gen::solarTermLongitude(24), 270.0);  // 冬至
    EXPECT_THROW(gen::solarTermLongitude(0), std::invalid_argument);
    EXPECT_THROW(gen::solarTermLongitude(25), std::invalid_argument);
}

TEST(SolarTermTable, PacksDayHourAndMinuteIntoSixteenBits) {
    EXPECT_EQ(gen::packTermHalf(6, 9, 1), 6u | (9u << 5) | (1u << 10));
    EXPECT_EQ(gen::packTermHalf(31, 23, 59), 0xEEFFu);
}

TEST(SolarTermTable, FormatRefusesAWrongNumberOfWords) {
    EXPECT_THROW(gen::formatSolarTermTable(std::vector<std::uint32_t>(12)), std::invalid_argument);
    EXPECT_THROW(gen::computeSolarTermWord(2000, 13), std::invalid_argument);
}

}  // namespace
