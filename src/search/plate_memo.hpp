// The pass test of a scan with the plate's share of the work kept: a
// rotating plate is a matter of dun, ju and hour pillar alone, so a
// full-range scan lays some 1,080 distinct plates over 660,000 candidates,
// and everything the conditions read from a plate alone is worked out once
// per plate instead of once per candidate.
#pragma once

#include <array>
#include <vector>

#include "chart/chart_record.hpp"
#include "patterns/pattern_detector.hpp"
#include "search/condition_matcher.hpp"
#include "search/search_conditions.hpp"

namespace qimen::search {

class PlateMemo {
public:
    // Keeps a reference: `conditions` must outlive the memo.
    explicit PlateMemo(const SearchConditions& conditions);

    // chartPasses(conditions, activeGroupCount(conditions), chart) for a
    // chart laid by layCandidateChart under one settings copy. A memo entry
    // serves only a chart whose cells, leader fields and hour pillar equal
    // the ones it was made from, so the answer never depends on what was
    // seen before.
    bool passes(const chart::ChartRecord& chart);

private:
    // What the count reads from a chart besides the year, month and day stems.
    struct Plate {
        std::array<chart::PalaceCell, 9> cells{};
        chart::Star leaderStar = 0;
        chart::Door leaderDoor = 0;
        chart::Palace leaderStarPalace = 0;
        chart::Palace leaderDoorPalace = 0;
        calendar::GanZhiCode hourGZ = 0;
        friend bool operator==(const Plate&, const Plate&) = default;
    };
    struct Entry {
        bool filled = false;
        Plate plate;
        ChartTally positions;
        patterns::PlatePatternBits patterns;
    };

    const SearchConditions& conditions_;
    int groups_;
    bool anyPattern_;
    patterns::DetectOptions options_;
    patterns::PatternBits ticked_;
    std::vector<Entry> entries_;  // by dun, ju 0..9 and hour pillar
};

}  // namespace qimen::search
