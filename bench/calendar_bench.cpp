// Cost of the calendar operations every chart and the time search start with.
#include <benchmark/benchmark.h>

#include "calendar/day_arithmetic.hpp"
#include "calendar/pillars.hpp"
#include "calendar/solar_terms.hpp"
#include "calendar/true_solar_time.hpp"

namespace {

using namespace qimen::calendar;

// Moments two hours apart, as the time search walks them.
CivilDateTime momentAt(int year, int i) {
    return CivilDateTime{static_cast<std::int16_t>(year), static_cast<std::int16_t>(1 + i % 12),
                         static_cast<std::int16_t>(1 + i % 28), static_cast<std::int16_t>((2 * i) % 24),
                         static_cast<std::int16_t>(i % 60)};
}

void BM_FourPillars(benchmark::State& state) {
    int year = static_cast<int>(state.range(0));
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(fourPillars(momentAt(year, i++)));
    }
}
BENCHMARK(BM_FourPillars)->Arg(2000)->Arg(1500);  // table year, series year

void BM_TermOfMonth(benchmark::State& state) {
    int year = static_cast<int>(state.range(0));
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(termOfMonth(year, 1 + i % 12, i % 2 == 0));
        ++i;
    }
}
BENCHMARK(BM_TermOfMonth)->Arg(2000)->Arg(1500);

void BM_TermInMonthSeries(benchmark::State& state) {
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(termInMonth(1500, 1 + i % 12, true));
        ++i;
    }
}
BENCHMARK(BM_TermInMonthSeries);

void BM_JulianDayRoundTrip(benchmark::State& state) {
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(dateFromJulianDay(julianDay(momentAt(2000, i++))));
    }
}
BENCHMARK(BM_JulianDayRoundTrip);

void BM_TrueSolarTime(benchmark::State& state) {
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(trueSolarTime(momentAt(2000, i++), 104.06));
    }
}
BENCHMARK(BM_TrueSolarTime);

}  // namespace
