// Speed of the comprehensive analysis: one whole analysed hour chart from
// its request to the styled text, the analysis text alone for a laid chart,
// and the travel formula.
#include <benchmark/benchmark.h>

#include "analysis/analysis_chart.hpp"
#include "knowledge/knowledge_base.hpp"
#include "search/travel_formula.hpp"
#include "workflow/chart_driver.hpp"

namespace {

using namespace qimen;

chart::ChartRequest analysedRequest() {
    chart::ChartRequest request;
    request.inputDate = {2008, 8, 8, 20, 8};
    request.askerName = "张三";
    request.matter = "求财";
    request.placeName = "北京北京";
    return request;
}

workflow::ChartEnvironment environmentInto(render::StyledText& shown) {
    workflow::ChartEnvironment environment;
    environment.dataRoot = "/nonexistent-qimen-root";  // the shipped settings
    environment.showOutput = [&shown](render::StyledText&& text) { shown = std::move(text); };
    return environment;
}

// Request → pillars → plate → header → grid → analysis with 御定奇门宝鉴 →
// landmarks: what one click on 排盘 costs.
void BM_WholeAnalysedHourChart(benchmark::State& state) {
    const chart::ChartRequest request = analysedRequest();
    auto record = std::make_unique<chart::ChartRecord>();
    render::StyledText shown;
    const workflow::ChartEnvironment environment = environmentInto(shown);
    for (auto _ : state) {
        (void)workflow::drawChart(*record, request, environment);
        benchmark::DoNotOptimize(shown.text.data());
    }
}
BENCHMARK(BM_WholeAnalysedHourChart);

// The full analysis text of an already laid chart: eight detector runs and
// a few hundred knowledge-base lookups.
void BM_FullAnalysisText(benchmark::State& state) {
    auto record = std::make_unique<chart::ChartRecord>();
    render::StyledText shown;
    (void)workflow::drawChart(*record, analysedRequest(), environmentInto(shown));
    const analysis::TextSource source = [](knowledge::TextId id) { return knowledge::lookupText(id); };
    for (auto _ : state) {
        std::string text = analysis::composeAnalysis(*record, analysis::AnalysisVariant::Full, source);
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(BM_FullAnalysisText);

void BM_TravelFormula(benchmark::State& state) {
    for (auto _ : state) {
        auto formula = search::travelFormula(2008, 8, 8, 20, 8);
        benchmark::DoNotOptimize(formula->number);
    }
}
BENCHMARK(BM_TravelFormula);

}  // namespace
