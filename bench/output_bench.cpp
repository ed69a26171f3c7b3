// Speed of the chart text: one whole hour chart from its request to the
// styled text (moment, pillars, ju, layout, header, grid, landmarks), and
// the formatter alone.
#include <benchmark/benchmark.h>

#include "ansi_render.hpp"
#include "calendar/day_arithmetic.hpp"
#include "calendar/lunar_calendar.hpp"
#include "chart/chart.hpp"
#include "render/chart_header.hpp"
#include "render/chart_output.hpp"
#include "render/rotating_grid.hpp"
#include "workflow/chart_driver.hpp"

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
render::StyledText hourChartText(chart::ChartRecord& record, const chart::ChartRequest& request) {
    render::StyledText shown;
    workflow::ChartEnvironment environment;
    environment.dataRoot = kNoRoot;
    environment.showOutput = [&](render::StyledText&& text) { shown = std::move(text); };
    (void)workflow::drawChart(record, request, environment);
    return shown;
}

// A whole chart run through the driver: settings read (here: no file, the
// defaults), validation, pillars, ju, layout, header, grid, landmarks.
void BM_HourChartRequestToStyledText(benchmark::State& state) {
    chart::ChartRequest request = benchRequest();
    chart::ChartRecord record;
    render::StyledText shown;
    workflow::ChartEnvironment environment;
    environment.dataRoot = kNoRoot;
    environment.showOutput = [&](render::StyledText&& text) { shown = std::move(text); };
    for (auto _ : state) {
        benchmark::DoNotOptimize(workflow::drawChart(record, request, environment));
        benchmark::DoNotOptimize(shown);
    }
}
BENCHMARK(BM_HourChartRequestToStyledText);

void BM_FormatterOnly(benchmark::State& state) {
    chart::ChartRecord laid;
    render::StyledText text = hourChartText(laid, benchRequest());
    for (auto _ : state) {
        laid.chartText = text.text;
        benchmark::DoNotOptimize(render::formatChartOutput(laid, kNoRoot));
    }
}
BENCHMARK(BM_FormatterOnly);

void BM_AnsiRender(benchmark::State& state) {
    chart::ChartRecord laid;
    render::StyledText text = hourChartText(laid, benchRequest());
    for (auto _ : state) benchmark::DoNotOptimize(cli::renderAnsi(text));
}
BENCHMARK(BM_AnsiRender);

}  // namespace
