// Speed of pattern detection over the nine cells of a chart, as the
// analysis runs it (eight outer cells, everything on) and as the time search
// runs it (all nine cells, no score, one or both halves of the rules).
// Charts: the 1,080 rotating-plate hour charts of both duns, nine ju and
// sixty hours, laid once and cycled so that no cell repeats in a row.
#include <benchmark/benchmark.h>

#include <array>
#include <vector>

#include "chart/rotating_layout.hpp"
#include "patterns/pattern_detector.hpp"

namespace {

using namespace qimen;

const std::vector<chart::ChartRecord>& allRotatingCharts() {
    static const std::vector<chart::ChartRecord> charts = [] {
        std::vector<chart::ChartRecord> out;
        for (bool yang : {false, true})
            for (int ju = 1; ju <= 9; ++ju)
                for (int hour = 0; hour < 60; ++hour) {
                    chart::ChartRecord record;
                    record.yangDun = yang;
                    record.ju = static_cast<std::int16_t>(ju);
                    record.hourGZ = static_cast<calendar::GanZhiCode>(hour);
                    record.dayGZ = static_cast<calendar::GanZhiCode>((hour * 7 + ju) % 60);
                    record.monthGZ = static_cast<calendar::GanZhiCode>((hour * 11 + ju) % 60);
                    record.yearGZ = static_cast<calendar::GanZhiCode>((hour * 13 + ju) % 60);
                    chart::layRotatingHourChart(record);
                    out.push_back(record);
                }
        return out;
    }();
    return charts;
}

void runNineCells(benchmark::State& state, patterns::DetectOptions options, patterns::CentreCell centre) {
    const auto& charts = allRotatingCharts();
    std::array<patterns::PalaceFindings, 9> findings;
    std::size_t i = 0;
    for (auto _ : state) {
        patterns::detectChartPatterns(charts[i++ % charts.size()], findings, options, centre);
        benchmark::DoNotOptimize(findings);
        benchmark::ClobberMemory();
    }
}

// The comprehensive analysis: eight outer cells, score and both halves.
void BM_DetectPatterns_AnalysisEightCells(benchmark::State& state) {
    runNineCells(state, {}, patterns::CentreCell::Skip);
}
BENCHMARK(BM_DetectPatterns_AnalysisEightCells);

// Everything on, all nine cells.
void BM_DetectPatterns_AllNineCells(benchmark::State& state) {
    runNineCells(state, {}, patterns::CentreCell::Include);
}
BENCHMARK(BM_DetectPatterns_AllNineCells);

// The time search: nine cells, no score, both halves / one half.
void BM_DetectPatterns_SearchBothHalves(benchmark::State& state) {
    runNineCells(state, {.score = false, .auspicious = true, .inauspicious = true}, patterns::CentreCell::Include);
}
BENCHMARK(BM_DetectPatterns_SearchBothHalves);

void BM_DetectPatterns_SearchAuspiciousOnly(benchmark::State& state) {
    runNineCells(state, {.score = false, .auspicious = true, .inauspicious = false}, patterns::CentreCell::Include);
}
BENCHMARK(BM_DetectPatterns_SearchAuspiciousOnly);

void BM_DetectPatterns_SearchInauspiciousOnly(benchmark::State& state) {
    runNineCells(state, {.score = false, .auspicious = false, .inauspicious = true}, patterns::CentreCell::Include);
}
BENCHMARK(BM_DetectPatterns_SearchInauspiciousOnly);

}  // namespace
