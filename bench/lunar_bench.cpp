// Cost of the lunar calendar: solarToLunar by table and by series, and
// lunarToSolar outside the table (the search), also at the range ends.
#include <benchmark/benchmark.h>

#include "calendar/day_arithmetic.hpp"
#include "calendar/lunar_calendar.hpp"
#include "calendar/new_moon_series.hpp"

namespace {

using namespace qimen::calendar;

CivilDateTime dayOf(int year, int i) {
    return CivilDateTime{static_cast<std::int16_t>(year), static_cast<std::int16_t>(1 + i % 12),
                         static_cast<std::int16_t>(1 + (i * 7) % 28), 12, 0};
}

void BM_SolarToLunarTable(benchmark::State& state) {
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(solarToLunar(dayOf(1900 + i % 151, i)));
        ++i;
    }
}
BENCHMARK(BM_SolarToLunarTable);

// Each call in another year: the series' new moons are computed afresh.
void BM_SolarToLunarSeriesNewYearEachCall(benchmark::State& state) {
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(solarToLunar(dayOf(i % 2 == 0 ? 1500 + i % 300 : -800 + i % 700, i)));
        ++i;
    }
}
BENCHMARK(BM_SolarToLunarSeriesNewYearEachCall);

// Days of one year in turn: the new moons of the year are reused.
void BM_SolarToLunarSeriesSameYear(benchmark::State& state) {
    int i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(solarToLunar(dayOf(1500, i++)));
}
BENCHMARK(BM_SolarToLunarSeriesSameYear);

void BM_NewMoonDays(benchmark::State& state) {
    int i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(newMoonDays(-849 + i++ % 2950));
}
BENCHMARK(BM_NewMoonDays);

// Lunar dates of the given year: every month, days 1..30 (day 30 of a
// 29-day month searches to the end and fails), ordinary months.
void BM_LunarToSolarSearch(benchmark::State& state) {
    const int year = static_cast<int>(state.range(0));
    int i = 0;
    for (auto _ : state) {
        CivilDateTime lunar{static_cast<std::int16_t>(year), static_cast<std::int16_t>(1 + i % 12),
                            static_cast<std::int16_t>(1 + (i * 7) % 30), 12, 0};
        benchmark::DoNotOptimize(lunarToSolar(lunar, false));
        ++i;
    }
}
BENCHMARK(BM_LunarToSolarSearch)->Arg(-849)->Arg(1)->Arg(1500)->Arg(2100);

// The worst case: a leap month the year does not have, searched until the
// lunar year after next.
void BM_LunarToSolarSearchNotFound(benchmark::State& state) {
    const int year = static_cast<int>(state.range(0));
    const CivilDateTime lunar{static_cast<std::int16_t>(year), 1, 15, 0, 0};
    for (auto _ : state) benchmark::DoNotOptimize(lunarToSolar(lunar, true));
}
BENCHMARK(BM_LunarToSolarSearchNotFound)->Arg(-848)->Arg(2052);

void BM_LunarToSolarTable(benchmark::State& state) {
    int i = 0;
    for (auto _ : state) {
        CivilDateTime lunar{static_cast<std::int16_t>(1900 + i % 151), static_cast<std::int16_t>(1 + i % 12),
                            static_cast<std::int16_t>(1 + (i * 7) % 29), 12, 0};
        benchmark::DoNotOptimize(lunarToSolar(lunar, false));
        ++i;
    }
}
BENCHMARK(BM_LunarToSolarTable);

}  // namespace
