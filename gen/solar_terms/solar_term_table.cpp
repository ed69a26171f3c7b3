#include "solar_terms/solar_term_table.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <string>

#include "astro/astro.hpp"

namespace qimen::gen {

namespace {

void checkTermIndex(int k) {
    if (k < 1 || k > 24) throw std::invalid_argument("solar term index outside 1..24: " + std::to_string(k));
}

// The civil minute of term k of `year`, checked to fall in the term's own
// month.
astro::CivilTime roundedTermInMonth(int year, int k) {
    int month = (k + 1) / 2;  // [1, 12]
    astro::CivilTime t = astro::civilFromMinuteCount(astro::civilMinuteCount(solarTermInstant(year, k)));
    if (t.year != year || t.month != month) {
        char buffer[160];
        std::snprintf(buffer, sizeof buffer,
                      "solar term %d of %d falls on %04d-%02d-%02d %02d:%02d, outside month %d", k, year,
                      t.year, t.month, t.day, t.hour, t.minute, month);
        throw std::runtime_error(buffer);
    }
    return t;
}

}  // namespace

double solarTermLongitude(int k) {
    checkTermIndex(k);
    return std::fmod(285.0 + 15.0 * (k - 1), 360.0);
}

astro::JulianDate solarTermInstant(int year, int k) {
    checkTermIndex(k);
    astro::CivilTime guess;
    guess.year = year;
    guess.month = (k + 1) / 2;
    guess.day = (k % 2 == 1) ? 6 : 21;
    return astro::sunLongitudeCrossing(solarTermLongitude(k), astro::ttFromCivil(guess));
}

std::uint16_t packTermHalf(int day, int hour, int minute) {
    return static_cast<std::uint16_t>(day | (hour << 5) | (minute << 10));
}

std::uint32_t computeSolarTermWord(int year, int month) {
    if (month < 1 || month > 12) throw std::invalid_argument("month outside 1..12: " + std::to_string(month));
    astro::CivilTime sectional = roundedTermInMonth(year, 2 * month - 1);
    astro::CivilTime principal = roundedTermInMonth(year, 2 * month);
    std::uint32_t low = packTermHalf(sectional.day, sectional.hour, sectional.minute);
    std::uint32_t high = packTermHalf(principal.day, principal.hour, principal.minute);
    return low | (high << 16);
}

std::vector<std::uint32_t> computeSolarTermTable() {
    std::vector<std::uint32_t> words;
    words.reserve(kSolarTermTableWords);
    for (int year = kSolarTermTableFirstYear; year <= kSolarTermTableLastYear; ++year) {
        for (int month = 1; month <= 12; ++month) words.push_back(computeSolarTermWord(year, month));
    }
    return words;
}

std::string formatSolarTermTable(const std::vector<std::uint32_t>& words) {
    if (words.size() != kSolarTermTableWords) {
        throw std::invalid_argument("solar term table needs " + std::to_string(kSolarTermTableWords) +
                                    " words, got " + std::to_string(words.size()));
    }
    std::string text =
        "// Solar-term instants of 1900..2050 in civil time of UTC+8: one word per\n"
        "// Gregorian month, index (year - 1900) * 12 + (month - 1), 1,812 words.\n"
        "//\n"
        "// Generated; do not edit. Regenerate from the source root with\n"
        "//   cmake -S . -B build && cmake --build build --target gen_solar_terms\n"
        "//   build/gen/solar_terms/gen_solar_terms data/calendar/solar_term_table.inc\n"
        "// The test suite (tests/gen) recomputes the table and compares it with this\n"
        "// file.\n"
        "//\n"
        "// Source: computed with ERFA, the free edition of the IAU SOFA routines.\n"
        "// Term k (1 = 小寒, 3 = 立春, 24 = 冬至) is the instant the Sun's apparent\n"
        "// geocentric ecliptic longitude of date reaches 285 + 15 * (k - 1)\n"
        "// degrees: Earth ephemeris eraEpv00, light time, annual aberration (eraAb),\n"
        "// IAU 2006 precession (eraEcm06), IAU 2000A nutation (eraNut06a).\n";
    std::string deltaT = astro::deltaTModelDescription();
    for (std::size_t begin = 0; begin <= deltaT.size();) {
        std::size_t end = std::min(deltaT.find('\n', begin), deltaT.size());
        text += "// " + deltaT.substr(begin, end - begin) + "\n";
        begin = end + 1;
    }
    text +=
        "// Units: civil time of UTC+8 (UT + 8 h), rounded to the nearest minute\n"
        "// (30 s rounds up).\n"
        "// Range: 1900-01..2050-12; every month holds exactly its two terms.\n"
        "// Packing: bits 0..15 the month's sectional term (节, k = 2m - 1), bits\n"
        "// 16..31 its principal term (中气, k = 2m); each half holds the day in\n"
        "// bits 0..4, the hour in bits 5..9 and the minute in bits 10..15.\n";
    char word[16];
    for (std::size_t i = 0; i < words.size(); ++i) {
        std::snprintf(word, sizeof word, "0x%08xu,", static_cast<unsigned>(words[i]));
        text += word;
        if (i % 12 == 11) {
            text += " // " + std::to_string(kSolarTermTableFirstYear + static_cast<int>(i / 12)) + "\n";
        } else {
            text += ' ';
        }
    }
    return text;
}

}  // namespace qimen::gen
