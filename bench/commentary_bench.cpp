// Speed of a commentary file: an hour chart's styled text resolved into rich
// text runs, written as RTF, and read back as the pane loads it.
#include <benchmark/benchmark.h>

#include "cases/chart_rich_text.hpp"
#include "cases/rtf_reader.hpp"
#include "cases/rtf_writer.hpp"
#include "workflow/chart_driver.hpp"

namespace {

using namespace qimen;

render::StyledText commentaryChart() {
    chart::ChartRequest request;
    request.inputDate = {2008, 8, 8, 20, 8};
    request.askerName = "张三";
    request.matter = "求财";
    chart::ChartRecord record;
    render::StyledText shown;
    workflow::ChartEnvironment environment;
    environment.dataRoot = "/nonexistent-qimen-root";
    environment.showOutput = [&](render::StyledText&& text) { shown = std::move(text); };
    (void)workflow::drawChart(record, request, environment);
    return shown;
}

void BM_ChartTextToRichText(benchmark::State& state) {
    render::StyledText chart = commentaryChart();
    for (auto _ : state) benchmark::DoNotOptimize(cases::richTextFromChartOutput(chart, 12));
    state.counters["ranges"] = static_cast<double>(chart.ranges.size());
    state.counters["bytes"] = static_cast<double>(chart.text.size());
}
BENCHMARK(BM_ChartTextToRichText);

void BM_RichTextToRtf(benchmark::State& state) {
    cases::RichText rich = cases::richTextFromChartOutput(commentaryChart(), 12);
    for (auto _ : state) benchmark::DoNotOptimize(cases::writeRtf(rich));
}
BENCHMARK(BM_RichTextToRtf);

void BM_CommentaryRtfRead(benchmark::State& state) {
    std::string rtf = cases::writeRtf(cases::richTextFromChartOutput(commentaryChart(), 12));
    for (auto _ : state) benchmark::DoNotOptimize(cases::readRtf(rtf));
    state.counters["rtfBytes"] = static_cast<double>(rtf.size());
}
BENCHMARK(BM_CommentaryRtfRead);

}  // namespace
