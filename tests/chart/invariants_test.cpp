// Plate invariants over every two-hour moment of a whole year, for both
// plates (rotating and flying), both ju methods and the settings that move
// deities, stems and hidden stems.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "calendar/day_arithmetic.hpp"
#include "chart/chart.hpp"

namespace qimen::chart {
namespace {

// The cell that holds what a palace number points at: 坤 answers for 5.
GridCell ringCellOf(Palace palace) { return cellOfPalace(palace == kCentrePalace ? kKunPalace : palace); }

template <typename F>
void forEveryTwoHours(int year, F&& check) {
    double start = calendar::julianDay({static_cast<std::int16_t>(year), 1, 1, 0, 0});
    double end = calendar::julianDay({static_cast<std::int16_t>(year + 1), 1, 1, 0, 0});
    for (double jd = start; jd < end - 1e-6; jd += 1.0 / 12) {
        calendar::CivilDateTime moment = calendar::dateFromJulianDay(jd + 1e-7);
        check(moment);
    }
}

void expectEachOnce(const std::array<int, 9>& values, std::initializer_list<int> expected, const char* what,
                    const calendar::CivilDateTime& m) {
    std::array<int, 9> sorted = values;
    std::sort(sorted.begin(), sorted.end());
    std::array<int, 9> wanted{};
    std::copy(expected.begin(), expected.end(), wanted.begin());
    EXPECT_EQ(sorted, wanted) << what << " at " << m.year << '-' << m.month << '-' << m.day << ' ' << m.hour;
}

template <typename Field>
std::array<int, 9> fieldOf(const ChartRecord& record, Field field) {
    std::array<int, 9> values{};
    for (int c = 0; c < 9; ++c) values[c] = record.cells[c].*field;
    return values;
}

// (ju method, zhifu, angan)
class RotatingYear : public ::testing::TestWithParam<std::tuple<int, int, int>> {};

TEST_P(RotatingYear, EveryTwoHourChartKeepsThePlateInvariants) {
    auto [juMethod, zhifu, angan] = GetParam();
    int charts = 0;
    forEveryTwoHours(2000, [&](const calendar::CivilDateTime& m) {
        ChartRecord r;
        r.settings.ju = static_cast<std::uint8_t>(juMethod);
        r.settings.zhifu = static_cast<std::uint8_t>(zhifu);
        r.settings.angan = static_cast<std::uint8_t>(angan);
        setChartMoment(r, m, m);
        ASSERT_TRUE(computeHourChart(r));
        ++charts;
        expectEachOnce(fieldOf(r, &PalaceCell::star), {0, 1, 2, 3, 4, 5, 6, 7, 8}, "stars", m);
        expectEachOnce(fieldOf(r, &PalaceCell::door), {0, 1, 2, 3, 4, 5, 6, 7, 8}, "doors", m);
        expectEachOnce(fieldOf(r, &PalaceCell::deity), {0, 1, 2, 3, 4, 5, 6, 7, 8}, "deities", m);
        const auto& cells = r.cells;
        ASSERT_EQ(cells[kCentreCell].star, kStarQin);
        ASSERT_EQ(cells[kCentreCell].door, kDoorCentre);
        ASSERT_EQ(cells[kCentreCell].deity, 4);
        ASSERT_EQ(cells[kCentreCell].heavenStem, cells[kCentreCell].earthStem);

        // The outer heaven plate is the outer earth plate turned by some k,
        // and the stars turned by the same k.
        int turn = -1;
        for (int k = 0; k < 8 && turn < 0; ++k) {
            bool fits = true;
            for (int j = 0; j < 8; ++j) {
                const PalaceCell& to = cells[kOuterRing[(j + k) % 8]];
                const PalaceCell& from = cells[kOuterRing[j]];
                fits = fits && to.heavenStem == from.earthStem && to.star == from.homeStar;
            }
            if (fits) turn = k;
        }
        ASSERT_GE(turn, 0) << "heaven plate is no rotation of the earth plate at " << m.month << '-' << m.day << ' ' << m.hour;

        // 值符 where leaderStarPalace says (芮 carries 禽), with the deity 值符
        // unless zhifu keeps it on the earth plate; 值使 where
        // leaderDoorPalace says.
        const PalaceCell& leader = cells[ringCellOf(r.leaderStarPalace)];
        Star shown = r.leaderStar == kStarQin ? kStarRui : r.leaderStar;
        ASSERT_EQ(leader.star, shown);
        if (zhifu == 0) {
            ASSERT_EQ(leader.deity, 0);
        }
        ASSERT_EQ(cells[ringCellOf(r.leaderDoorPalace)].door, r.leaderDoor);
        ASSERT_GE(r.ju, 1);
        ASSERT_LE(r.ju, 9);

        if (angan == 2) {
            expectEachOnce(fieldOf(r, &PalaceCell::hiddenStem), {0, 2, 3, 4, 5, 6, 7, 8, 9}, "hidden stems", m);
        } else if (angan == 1 && r.centerHiddenStem == kNoStem) {
            std::array<int, 9> outer = fieldOf(r, &PalaceCell::hiddenStem);
            std::array<int, 9> earth = fieldOf(r, &PalaceCell::earthStem);
            outer[kCentreCell] = earth[kCentreCell];
            std::sort(outer.begin(), outer.end());
            std::sort(earth.begin(), earth.end());
            ASSERT_EQ(outer, earth);
        }
    });
    EXPECT_EQ(charts, 366 * 12);
}

INSTANTIATE_TEST_SUITE_P(Settings, RotatingYear,
                         ::testing::Values(std::tuple{0, 0, 0}, std::tuple{1, 0, 0}, std::tuple{0, 1, 1},
                                           std::tuple{0, 0, 2}, std::tuple{1, 1, 1}));

class FlyingYear : public ::testing::TestWithParam<int> {};

TEST_P(FlyingYear, EveryTwoHourChartKeepsThePlateInvariants) {
    int juMethod = GetParam();
    forEveryTwoHours(2000, [&](const calendar::CivilDateTime& m) {
        ChartRecord r;
        r.settings.pan = 1;
        r.settings.ju = static_cast<std::uint8_t>(juMethod);
        setChartMoment(r, m, m);
        ASSERT_TRUE(computeHourChart(r));
        expectEachOnce(fieldOf(r, &PalaceCell::star), {0, 1, 2, 3, 4, 5, 6, 7, 8}, "stars", m);
        expectEachOnce(fieldOf(r, &PalaceCell::door), {0, 1, 2, 3, 4, 5, 6, 7, 8}, "doors", m);
        expectEachOnce(fieldOf(r, &PalaceCell::deity), {0, 1, 2, 3, 4, 5, 6, 7, 8}, "deities", m);
        expectEachOnce(fieldOf(r, &PalaceCell::earthDeity), {0, 1, 2, 3, 4, 5, 6, 7, 8}, "earth deities", m);
        // The heaven plate is the earth plate moved along the flight order
        // from the 值符's home to the palace where it lands.
        Palace p0 = palaceOfHome(r.leaderStar);
        for (int j = 0; j < 9; ++j) {
            const PalaceCell& to = r.cells[cellOfPalace(flightPalace(r.leaderStarPalace, j, r.yangDun))];
            const PalaceCell& from = r.cells[cellOfPalace(flightPalace(p0, j, r.yangDun))];
            ASSERT_EQ(to.heavenStem, from.earthStem);
            ASSERT_EQ(to.star, from.homeStar);
        }
        ASSERT_EQ(r.cells[cellOfPalace(r.leaderStarPalace)].deity, 0);
        ASSERT_EQ(r.cells[cellOfPalace(r.leaderStarPalace)].star, r.leaderStar);
        ASSERT_EQ(r.cells[cellOfPalace(r.leaderDoorPalace)].door, r.leaderDoor);
        ASSERT_EQ(r.cells[cellOfPalace(p0)].earthDeity, 0);
    });
}

INSTANTIATE_TEST_SUITE_P(JuMethods, FlyingYear, ::testing::Values(0, 1));

TEST(SplitComplementYear, DunTurnsOnlyAtTheSolstices) {
    // Over 2000 the dun is yang before 夏至 (06-21 09:48) and from 冬至
    // (12-21 21:37), yin between.
    double summer = calendar::julianDay({2000, 6, 21, 9, 48});
    double winter = calendar::julianDay({2000, 12, 21, 21, 37});
    forEveryTwoHours(2000, [&](const calendar::CivilDateTime& m) {
        ChartRecord r;
        setChartMoment(r, m, m);
        computePillars(r);
        splitComplementJu(r);
        bool yang = r.clockJulianDay < summer || r.clockJulianDay >= winter;
        ASSERT_EQ(r.yangDun, yang) << m.month << '-' << m.day << ' ' << m.hour;
    });
}

}  // namespace
}  // namespace qimen::chart
