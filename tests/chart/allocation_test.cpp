// The hour chart path the time search repeats (pillars, ju, rotating or
// flying plate, hidden stems) allocates nothing. This test binary counts
// every allocation through a replaced global operator new.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "chart/chart.hpp"

namespace {
std::atomic<long> allocations{0};
}  // namespace

void* operator new(std::size_t size) {
    ++allocations;
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace qimen::chart {
namespace {

TEST(HourChartPath, AllocatesNothing) {
    ChartRecord record;
    record.settings.angan = 1;
    long before = allocations.load();
    for (std::uint8_t pan : {0, 1})
        for (std::uint8_t ju : {0, 1})
            for (int day = 1; day <= 28; ++day)
                for (int hour = 0; hour < 24; hour += 2) {
                    record.settings.pan = pan;
                    record.settings.ju = ju;
                    calendar::CivilDateTime m{2000, 3, static_cast<std::int16_t>(day), static_cast<std::int16_t>(hour), 0};
                    setChartMoment(record, m, m);
                    ASSERT_TRUE(computeHourChart(record));
                }
    EXPECT_EQ(allocations.load() - before, 0);
}

}  // namespace
}  // namespace qimen::chart
