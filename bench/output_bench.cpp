// Speed of the chart text: one whole hour chart from its request to the
// styled text (moment, pillars, ju, layout, header, grid, landmarks), and
// the formatter alone.
#include <benchmark/benchmark.h>

#include "calendar/day_arithmetic.hpp"
#include "calendar/lunar_calendar.hpp"
#include "chart/chart.hpp"
#include "chart/chart_driver.hpp"
#include "output/ansi_render.hpp"
#include "output/chart_header.hpp"
#include "output/chart_output.hpp"
#include "output/rotating_grid.hpp"

namespace {

using namespace qimen;

chart::ChartRequest benchRequest() {
    chart::ChartRequest request;
    request.inputDate = {2008, 8, 8, 20, 8};
    request.askerName = "张三";
    request.matter = "求财";
    request.placeName = "北京北京";
    return request;
}

const std::filesystem::path kNoRoot = "/nonexistent-qimen-root";

// One chart run's styled text, its record left laid.
output::StyledText hourChartText(chart::ChartRecord& record, const chart::ChartRequest& request) {
    output::StyledText shown;
    chart::ChartEnvironment environment;
    environment.dataRoot = kNoRoot;
    environment.showOutput = [&](output::StyledText&& text) { shown = std::move(text); };
    chart::drawChart(record, request, environment);
    return shown;
}

// A whole chart run through the driver: settings read (here: no file, the
// defaults), validation, pillars, ju, layout, header, grid, landmarks.
void BM_HourChartRequestToStyledText(benchmark::State& state) {
    chart::ChartRequest request = benchRequest();
    chart::ChartRecord record;
    output::StyledText shown;
    chart::ChartEnvironment environment;
    environment.dataRoot = kNoRoot;
    environment.showOutput = [&](output::StyledText&& text) { shown = std::move(text); };
    for (auto _ : state) {
        benchmark::DoNotOptimize(chart::drawChart(record, request, environment));
        benchmark::DoNotOptimize(shown);
    }
}
BENCHMARK(BM_HourChartRequestToStyledText);

void BM_FormatterOnly(benchmark::State& state) {
    chart::ChartRecord laid;
    output::StyledText text = hourChartText(laid, benchRequest());
    for (auto _ : state) {
        laid.chartText = text.text;
        benchmark::DoNotOptimize(output::formatChartOutput(laid, kNoRoot));
    }
}
BENCHMARK(BM_FormatterOnly);

void BM_AnsiRender(benchmark::State& state) {
    chart::ChartRecord laid;
    output::StyledText text = hourChartText(laid, benchRequest());
    for (auto _ : state) benchmark::DoNotOptimize(output::renderAnsi(text));
}
BENCHMARK(BM_AnsiRender);

}  // namespace
