// Whether a laid candidate chart fits the conditions: the five position
// counters, the pattern counts, the satisfied groups and the pass rule.
#pragma once

#include <array>

#include "chart/chart_record.hpp"
#include "patterns/pattern_detector.hpp"
#include "search/search_conditions.hpp"

namespace qimen::search {

// The counts one chart gives against the conditions.
struct ChartTally {
    int deities = 0;      // outer cells whose deity stands in its wanted palace
    int stars = 0;        // cells (centre included) whose star stands in its wanted palace
    int heavenStems = 0;  // cells whose heaven stem stands in its wanted palace
    int doors = 0;        // outer cells whose door stands in its wanted palace
    int earthStems = 0;   // cells whose earth stem stands in its wanted palace
    int goodFound = 0;    // distinct ticked auspicious codes present in some cell
    int badFound = 0;     // distinct ticked inauspicious codes present in some cell
};

// Counts a chart laid by layCandidateChart. Patterns are detected on all
// nine cells (the centre too), without score, each half only when some of
// its patterns are ticked; nothing is allocated. Stems outside 0..9 other
// than 甲 and deities or doors of the centre never match.
ChartTally tallyChart(const SearchConditions& conditions, const chart::ChartRecord& chart);

// The parts of tallyChart: the five position counters (pattern counts 0),
// the detector switches the ticked patterns need, the ticked patterns as
// bit sets (entry k at bit k) and the pattern counts from the codes a
// chart shows.
ChartTally positionTally(const SearchConditions& conditions, const chart::ChartRecord& chart);
patterns::DetectOptions patternOptions(const SearchConditions& conditions);
patterns::PatternBits tickedPatterns(const SearchConditions& conditions);
void countPatterns(const patterns::PatternBits& ticked, const patterns::PatternBits& found, ChartTally& tally);

// S: how many active groups the chart satisfies, from its tally and its
// leader fields.
int satisfiedGroupCount(const SearchConditions& conditions, const chart::ChartRecord& chart, const ChartTally& tally);

// The pass rule: with no active group (activeGroups 0) every chart passes;
// with allRequired every active group must hold (S = G); otherwise one does
// (S > 0).
bool chartPasses(const SearchConditions& conditions, int activeGroups, const chart::ChartRecord& chart);
// The pass rule on a chart's tally.
bool tallyPasses(const SearchConditions& conditions, int activeGroups, const chart::ChartRecord& chart,
                 const ChartTally& tally);

}  // namespace qimen::search
