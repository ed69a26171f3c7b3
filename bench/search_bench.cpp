// Speed of the time search over the whole range 1900-01-01 00:00 to
// 2050-12-31 22:00 (about 662,000 candidates), reported as candidates per second.
// Conditions that no chart meets keep the 30,000-line cap out of the way, so
// every candidate is laid and tested.
#include <benchmark/benchmark.h>

#include "search/condition_form.hpp"
#include "search/search_engine.hpp"

namespace {

using qimen::search::SearchConditions;

constexpr qimen::calendar::CivilDateTime kFirst{1900, 1, 1, 0, 0};
constexpr qimen::calendar::CivilDateTime kLast{2050, 12, 31, 22, 0};

void scan(benchmark::State& state, const SearchConditions& conditions) {
    qimen::search::SearchEngine engine([] { return qimen::chart::ChartSettings{}; });
    engine.setThreadCount(static_cast<int>(state.range(0)));
    long tested = 0;
    for (auto _ : state) {
        auto searched = engine.search(kFirst, kLast, conditions,
                                      [&](const qimen::search::SearchProgress& p) { tested = p.candidate; });
        benchmark::DoNotOptimize(searched.ok());
        benchmark::DoNotOptimize(engine.results().size());
    }
    state.counters["lines"] = static_cast<double>(engine.results().size());
    state.SetItemsProcessed(state.iterations() * tested);
}

// No condition: every candidate passes, so the scan ends at the cap.
void BM_SearchNoCondition(benchmark::State& state) { scan(state, SearchConditions{}); }

// Plates only: 天禽 wanted in palace 1, which no rotating chart shows.
void BM_SearchPlatesOnly(benchmark::State& state) {
    SearchConditions c;
    c.starPalace[5] = 1;
    c.starCount = 1;
    scan(state, c);
}

// Every auspicious pattern ticked, all of them wanted together.
void BM_SearchAllAuspicious(benchmark::State& state) {
    SearchConditions c;
    c.goodPattern.fill(1);
    c.goodPatternCount = qimen::search::kGoodPatterns;
    c.goodPatternAll = 1;
    scan(state, c);
}

// Every inauspicious pattern ticked with 同时成立: a chart passes only when
// none of them occurs in any of its nine cells.
void BM_SearchAllInauspicious(benchmark::State& state) {
    SearchConditions c;
    c.badPattern.fill(1);
    c.badPatternCount = qimen::search::kBadPatterns;
    c.badPatternAll = 1;
    scan(state, c);
}

// Every pattern of both halves ticked, each half wanted all together: the
// conditions of the window's full-range test, so window and engine are
// timed on the same work.
void BM_SearchEveryPatternRule(benchmark::State& state) {
    qimen::search::ConditionForm form = qimen::search::clearedForm();
    form.goodPattern.fill(true);
    form.goodPatternAll = true;
    form.badPattern.fill(true);
    form.badPatternAll = true;
    SearchConditions c;
    if (!qimen::search::acceptForm(form, c)) state.SkipWithError("the form refused its cleared cells");
    scan(state, c);
}

}  // namespace

BENCHMARK(BM_SearchNoCondition)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SearchPlatesOnly)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SearchAllAuspicious)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SearchAllInauspicious)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SearchEveryPatternRule)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();
