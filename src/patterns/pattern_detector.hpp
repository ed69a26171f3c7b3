// Pattern detection: which of the 27 auspicious and 28
// inauspicious patterns one palace of a laid chart shows, and its score.
//
// Data flow: a laid ChartRecord (rotating-plate hour, yin-plate, month or
// year chart) → detectPatterns per palace → PalaceFindings. The
// comprehensive analysis sums the eight outer scores and names
// the codes; the time search runs all nine cells, the centre too,
// with the score and one half of the rules switched off and reads the codes.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "chart/chart_record.hpp"
#include "patterns/pattern_codes.hpp"

namespace qimen::patterns {

// Room for codes in one palace's findings.
inline constexpr int kMaxPalaceFindings = 30;

// The result for one palace: the codes that hold, in code order (all
// auspicious before all inauspicious), their number and the score.
struct PalaceFindings {
    std::array<PatternCode, kMaxPalaceFindings> codes{};
    std::int16_t count = 0;  // [0, 30]
    std::int16_t score = 0;

    // Stores the code when there is room and returns true; a full record
    // (30 codes) is left unchanged and false is returned.
    bool append(PatternCode code) {
        if (count >= kMaxPalaceFindings) return false;
        codes[static_cast<std::size_t>(count++)] = code;
        return true;
    }

    std::span<const PatternCode> found() const { return {codes.data(), static_cast<std::size_t>(count)}; }
    bool contains(PatternCode code) const {
        for (PatternCode c : found())
            if (c == code) return true;
        return false;
    }
};

// What one call evaluates. The analysis uses the default (everything); the
// time search switches the score off and keeps only the halves it needs.
struct DetectOptions {
    bool score = true;         // star-door, stem pairs, door-palace and ±2 per rule; off: 0
    bool auspicious = true;    // the 27 rules 0..26
    bool inauspicious = true;  // the 28 rules 10000..10027
};

// Fills `findings` for the palace `home` (HomeCode 0..8, the centre 5
// allowed) whose laid cell is `cell` (the caller passes grid cell g together
// with the HomeCode of g). Reads from `chart` the centre cell (grid cell 4),
// leaderStar, leaderDoor, leaderStarPalace, leaderDoorPalace and the four
// pillars; writes nothing but `findings`, whose count and score it zeroes
// first. Codes are appended in code order, each at most once.
//
// Expects the codes of a laid chart: stems 0..10 (10, no stem, matches no
// rule and scores 0), stars, doors and deities 0..8.
//
// Beyond 30 holding rules the codes past the 30th are not stored, while the
// score still counts every rule that holds, so the verdict stays the sum
// over all of them. No cell comes near: a search over hand-set cells found at most 16.
//
// No allocation, no text; table lookups and bit tests only.
void detectPatterns(const chart::ChartRecord& chart, chart::HomeCode home, const chart::PalaceCell& cell,
                    PalaceFindings& findings, DetectOptions options = {});

enum class CentreCell : std::uint8_t { Skip, Include };

// detectPatterns for every grid cell 0..8, slot g for cell g with the
// HomeCode of g. With CentreCell::Skip (the analysis) slot 4 is left with
// count and score 0; with Include (the time search) the centre is examined
// too, borrowing nothing from itself.
void detectChartPatterns(const chart::ChartRecord& chart, std::array<PalaceFindings, 9>& findings,
                         DetectOptions options = {}, CentreCell centre = CentreCell::Skip);

// The codes that hold in some cell of a chart, as bit sets: auspicious code
// k at bit k of `good`, inauspicious code 10000 + k at bit k of `bad`.
struct PatternBits {
    std::uint32_t good = 0;
    std::uint32_t bad = 0;
};

// The union over the cells detectChartPatterns examines of the codes each
// finds, without the score and without the 30-code room of PalaceFindings:
// what the time search counts, at a fraction of the cost.
PatternBits chartPatternBits(const chart::ChartRecord& chart, DetectOptions options = {},
                             CentreCell centre = CentreCell::Skip);

// chartPatternBits split in two for a scan over many moments that share a
// plate: what the cells, the leader fields and the hour pillar give alone,
// and the stem sets the rules on the year, month and day stems need.
struct PlatePatternBits {
    PatternBits bits;                  // every rule with no year, month or day stem
    std::uint16_t earthUnderGeng = 0;  // E of the cells whose H holds 庚
    std::uint16_t heavenOverGeng = 0;  // H of the cells whose E holds 庚
    std::uint16_t earthUnderBing = 0;  // E of the cells whose H holds 丙
    DetectOptions options;
};
PlatePatternBits platePatternBits(const chart::ChartRecord& chart, DetectOptions options = {},
                                  CentreCell centre = CentreCell::Skip);
// chartPatternBits of a chart with that plate and these pillar stems.
PatternBits withPillarStems(const PlatePatternBits& plate, calendar::StemCode year, calendar::StemCode month,
                            calendar::StemCode day);

}  // namespace qimen::patterns
