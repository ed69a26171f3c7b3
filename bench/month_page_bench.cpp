// Cost of what the perpetual calendar computes on every redraw: a month page
// alone, and the whole view (page, grid and the selected moment's pillars).
#include <benchmark/benchmark.h>

#include "calendar/month_page.hpp"
#include "calendar/perpetual_calendar.hpp"

namespace {

using namespace qimen::calendar;

void BM_MonthPage(benchmark::State& state) {
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(monthPage(kCalendarFirstYear + (i / 12) % 151, 1 + i % 12));
        ++i;
    }
}
BENCHMARK(BM_MonthPage);

void BM_CalendarView(benchmark::State& state) {
    PerpetualCalendar calendar(CivilDateTime{1900, 1, 1, 8, 0});
    for (auto _ : state) {
        if (!calendar.nextMonth()) calendar.goToNow(CivilDateTime{1900, 1, 1, 8, 0});
        benchmark::DoNotOptimize(calendar.view());
    }
}
BENCHMARK(BM_CalendarView);

}  // namespace
