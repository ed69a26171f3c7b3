// Speed of one hour chart as the time search lays it: pillars, ju and the
// rotating plate, over the two-hour moments of a year.
#include <benchmark/benchmark.h>

#include <vector>

#include "calendar/day_arithmetic.hpp"
#include "chart/chart.hpp"

namespace {

using namespace qimen;

std::vector<calendar::CivilDateTime> twoHourMomentsOf(int year) {
    std::vector<calendar::CivilDateTime> moments;
    double start = calendar::julianDay({static_cast<std::int16_t>(year), 1, 1, 0, 0});
    for (int i = 0; i < 366 * 12; ++i) moments.push_back(calendar::dateFromJulianDay(start + i / 12.0 + 1e-7));
    return moments;
}

// Pillars + 拆补 ju + rotating layout, per chart.
void BM_HourChart(benchmark::State& state) {
    auto moments = twoHourMomentsOf(2000);
    chart::ChartRecord record;
    record.settings.ju = static_cast<std::uint8_t>(state.range(0));
    std::size_t i = 0;
    for (auto _ : state) {
        const auto& m = moments[i++ % moments.size()];
        chart::setChartMoment(record, m, m);
        bool laid = chart::computeHourChart(record);
        benchmark::DoNotOptimize(laid);
        benchmark::DoNotOptimize(record.cells);
    }
}
BENCHMARK(BM_HourChart)->Arg(0)->Arg(1)->ArgName("ju");

// The rotating layout alone, for a dun, ju and hour that change each time.
void BM_RotatingLayout(benchmark::State& state) {
    chart::ChartRecord record;
    int n = 0;
    for (auto _ : state) {
        record.yangDun = (n & 1) != 0;
        record.ju = static_cast<std::int16_t>(n % 9 + 1);
        record.hourGZ = static_cast<chart::GanZhiCode>(n % 60);
        ++n;
        chart::layRotatingHourChart(record);
        benchmark::DoNotOptimize(record.cells);
    }
}
BENCHMARK(BM_RotatingLayout);

// The four pillars alone.
void BM_Pillars(benchmark::State& state) {
    auto moments = twoHourMomentsOf(2000);
    chart::ChartRecord record;
    std::size_t i = 0;
    for (auto _ : state) {
        const auto& m = moments[i++ % moments.size()];
        chart::setChartMoment(record, m, m);
        chart::computePillars(record);
        benchmark::DoNotOptimize(record.hourGZ);
    }
}
BENCHMARK(BM_Pillars);

}  // namespace
