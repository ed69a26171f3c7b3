// Speed of the boundary report as the window's warning strip runs it after
// every chart, and of the comparison behind 选项 → 对照: a quiet chart, one a
// minute before 立春 2024, the late 子 hour, a summer-time clock of 1988.
#include <benchmark/benchmark.h>

#include <array>

#include "boundary/boundary_report.hpp"
#include "boundary/convention_comparison.hpp"
#include "workflow/chart_driver.hpp"
#include "workflow/chart_warnings.hpp"

namespace {

using namespace qimen;

constexpr std::array<calendar::CivilDateTime, 4> kMoments = {{
    {2008, 8, 8, 20, 0},    // quiet
    {2024, 2, 4, 16, 26},   // 立春 in one minute
    {2000, 1, 1, 23, 30},   // late 子 hour
    {1988, 7, 1, 10, 0},    // China's summer time
}};

// The hour chart of a moment as the driver lays it (shipped settings).
chart::ChartRecord charted(const chart::ChartRequest& request) {
    chart::ChartRecord record;
    workflow::ChartEnvironment environment;
    environment.dataRoot = "/nonexistent-qimen-root";
    (void)workflow::drawChart(record, request, environment);
    return record;
}

chart::ChartRequest requestAt(const calendar::CivilDateTime& moment) {
    chart::ChartRequest request;
    request.inputDate = moment;
    return request;
}

void BM_ReportBoundaries(benchmark::State& state) {
    const chart::ChartRequest request = requestAt(kMoments[static_cast<std::size_t>(state.range(0))]);
    const chart::ChartRecord record = charted(request);
    std::size_t warnings = 0;
    for (auto _ : state) {
        auto report = boundary::reportBoundaries(request, record);
        warnings = report.size();
        benchmark::DoNotOptimize(report);
    }
    state.counters["warnings"] = static_cast<double>(warnings);
}
BENCHMARK(BM_ReportBoundaries)->DenseRange(0, 3)->ArgName("moment");

// The strip's lines with their details text, 立春 in one minute.
void BM_WarningStrip(benchmark::State& state) {
    const chart::ChartRequest request = requestAt(kMoments[1]);
    const chart::ChartRecord record = charted(request);
    for (auto _ : state) benchmark::DoNotOptimize(workflow::warningStrip(request, record));
}
BENCHMARK(BM_WarningStrip);

// 拆补法 against 置闰法 on a day they differ: two charts laid with their grids.
void BM_CompareConventions(benchmark::State& state) {
    const chart::ChartRequest request = requestAt({2024, 2, 2, 10, 0});
    const chart::ChartRecord record = charted(request);
    for (auto _ : state)
        benchmark::DoNotOptimize(boundary::compareConventions(request, record, chart::Convention::Ju));
}
BENCHMARK(BM_CompareConventions);

}  // namespace
