// Speed of the judgement of a matter on a laid chart: the judgement alone
// (one per topic, the goal being 20 µs each), the "本盘断语：" block with
// its text, and the memo a topic button shows.
#include <benchmark/benchmark.h>

#include <memory>

#include "chart/chart.hpp"
#include "judgement/judgement_text.hpp"

namespace {

using namespace qimen;

std::unique_ptr<chart::ChartRecord> laidChart() {
    auto record = std::make_unique<chart::ChartRecord>();
    const calendar::CivilDateTime moment{2008, 8, 8, 20, 8};
    chart::setChartMoment(*record, moment, moment);
    chart::computeHourChart(*record);
    (void)judgement::builtInRules();  // the rule file is read once, before timing
    return record;
}

void BM_JudgeTopic(benchmark::State& state) {
    auto record = laidChart();
    const auto topic = static_cast<judgement::Topic>(state.range(0));
    for (auto _ : state) {
        auto judged = judgement::judgeTopic(*record, topic);
        benchmark::DoNotOptimize(judged.ok());
    }
    state.SetLabel(std::string(judgement::topicName(topic)));
}
BENCHMARK(BM_JudgeTopic)->DenseRange(0, judgement::kTopicCount - 1);

void BM_JudgementBlock(benchmark::State& state) {
    auto record = laidChart();
    for (auto _ : state) {
        std::string text = judgement::judgementText(*judgement::judgeTopic(*record, judgement::Topic::Wealth));
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(BM_JudgementBlock);

void BM_TopicMemo(benchmark::State& state) {
    auto record = laidChart();
    for (auto _ : state) {
        auto memo = judgement::topicMemo(*record, judgement::Topic::Travel);
        benchmark::DoNotOptimize(memo.ok());
    }
}
BENCHMARK(BM_TopicMemo);

}  // namespace
