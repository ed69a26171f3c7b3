// The comprehensive analysis (综合分析) of a laid chart, written below its
// grid: the verdict of the summed palace scores, the lists of auspicious and
// inauspicious patterns, one block of quoted readings per outer palace and,
// for hour and yin-plate charts, the 御定奇门宝鉴 quotation.
//
// Data flow: laid ChartRecord → detectPatterns for the eight outer cells →
// ChartScore (sum, 五不遇时, verdict) → pattern lists and palace blocks
// (analysis_palace_block.hpp) quoting the knowledge base → appended to
// chartText and stored in memoText.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "analysis/analysis_palace_block.hpp"
#include "chart/chart_record.hpp"
#include "patterns/pattern_detector.hpp"

namespace qimen::analysis {

// The scored findings of a chart: slot g for grid cell g (slot 4 empty).
struct ChartScore {
    std::array<patterns::PalaceFindings, 9> findings{};
    int total = 0;              // the eight scores, less 1 under 五不遇时
    bool fiveNonMeeting = false;  // full variant only
};

// The analysis a laid chart carries: Full for a rotating-plate hour chart
// (method 0 with setting pan 0) and a yin-plate chart, Short for month and
// year charts, none for the others.
std::optional<AnalysisVariant> analysisVariantOf(const chart::ChartRecord& chart);

// Runs the detector over the eight outer cells and sums their scores; the
// full variant also applies 五不遇时. Reads the laid plates and pillars only.
ChartScore scoreChart(const chart::ChartRecord& chart, AnalysisVariant variant);

// The whole analysis text of a laid chart (without the 御定奇门宝鉴 quote):
// the opening line with the verdict, "吉格：…", "凶格：…", the eight palace
// blocks in palace order 1 2 3 4 6 7 8 9, and for Short the closing note of
// month charts, or of year charts for any other method. Never fails:
// missing texts read as empty.
std::string composeAnalysis(const chart::ChartRecord& chart, AnalysisVariant variant, const TextSource& text);

// The 御定奇门宝鉴 quotation of the chart's day stem, hour branch, dun and
// ju: "御定奇门宝鉴：\r\n" and the two texts of the pair, nothing between or
// after them.
std::string baojianQuote(const chart::ChartRecord& chart, const TextSource& text);

// The full variant, for rotating-plate hour and yin-plate charts: appends the
// analysis to chartText and stores it in memoText (replacing it), then,
// with the setting baojian on, appends the quote to both.
void analyseChartFull(chart::ChartRecord& chart);
// The short variant, for month and year charts: appends the analysis to
// chartText and stores it in memoText.
void analyseChartShort(chart::ChartRecord& chart);
// Appends the 御定奇门宝鉴 quote to chartText and memoText.
void appendBaojianQuote(chart::ChartRecord& chart);

// The same with another text source (tests).
void analyseChartFull(chart::ChartRecord& chart, const TextSource& text);
void analyseChartShort(chart::ChartRecord& chart, const TextSource& text);

}  // namespace qimen::analysis
