// Code arithmetic of the chart: sexagenary codes, ten-day groups, palaces in
// their three indexings, the two rings, branches in palaces, month generals
// and post horses.
#include <gtest/gtest.h>

#include <set>

#include "chart/chart.hpp"

namespace qimen::chart {
namespace {

TEST(GanZhiCode, StemAndBranchCombine) {
    EXPECT_EQ(calendar::ganZhiOf(0, 0), 0);
    EXPECT_EQ(calendar::ganZhiOf(1, 11), 11);
    EXPECT_EQ(calendar::ganZhiOf(9, 11), 59);
    for (GanZhiCode code = 0; code < 60; ++code)
        EXPECT_EQ(calendar::ganZhiOf(calendar::stemOf(code), calendar::branchOf(code)), code);
}

TEST(XunHead, HeadsInstrumentsAndVoids) {
    EXPECT_EQ(xunHeadOf(0), 51);
    EXPECT_EQ(xunHeadOf(10), 1);
    EXPECT_EQ(xunHeadOf(11), 11);
    EXPECT_EQ(xunHeadOf(59), 51);
    const StemCode instruments[] = {5, 6, 7, 8, 9, 0};  // 戊 己 庚 辛 壬 癸
    for (int x = 0; x < 6; ++x) EXPECT_EQ(hiddenInstrumentOf(static_cast<GanZhiCode>(1 + 10 * x)), instruments[x]);
    EXPECT_EQ(voidBranchesOf(1).first, 11);   // 甲子 xun: 戌
    EXPECT_EQ(voidBranchesOf(1).second, 0);   // 亥
    EXPECT_EQ(voidBranchesOf(12).first, 9);   // 甲戌 xun: 申
    EXPECT_EQ(voidBranchesOf(12).second, 10); // 酉
    EXPECT_EQ(voidBranchesOf(0).first, 1);    // 甲寅 xun: 子 丑
    EXPECT_EQ(voidBranchesOf(0).second, 2);
    // The void branches are the two the group's ten stems do not reach.
    for (GanZhiCode code = 0; code < 60; ++code) {
        std::set<int> reached;
        for (int i = 0; i < 10; ++i) reached.insert(calendar::branchOf(static_cast<GanZhiCode>(xunHeadOf(code) + i)));
        EXPECT_FALSE(reached.count(voidBranchesOf(code).first)) << code;
        EXPECT_FALSE(reached.count(voidBranchesOf(code).second)) << code;
    }
}

TEST(Palaces, ThreeIndexingsAgree) {
    const int palaceOfGrid[] = {4, 9, 2, 3, 5, 7, 8, 1, 6};
    const int homeOfGrid[] = {4, 0, 2, 3, 5, 7, 8, 1, 6};
    const int gridOfPalace[] = {0, 7, 2, 3, 0, 4, 8, 5, 6, 1};
    for (int c = 0; c < 9; ++c) {
        EXPECT_EQ(palaceOfCell(c), palaceOfGrid[c]);
        EXPECT_EQ(homeOfCell(c), homeOfGrid[c]);
        EXPECT_EQ(cellOfPalace(palaceOfCell(c)), c);
    }
    for (int p = 1; p <= 9; ++p) EXPECT_EQ(cellOfPalace(p), gridOfPalace[p]);
    EXPECT_EQ(homeOfPalace(9), 0);
    EXPECT_EQ(palaceOfHome(0), 9);
    EXPECT_EQ(wrapPalace(0), 9);
    EXPECT_EQ(wrapPalace(10), 1);
    EXPECT_EQ(wrapPalace(-8), 1);
    EXPECT_EQ(flightPalace(9, 1, true), 1);
    EXPECT_EQ(flightPalace(1, 1, false), 9);
}

TEST(Rings, OuterRingAndItsPositions) {
    for (int j = 0; j < 8; ++j) EXPECT_EQ(ringPositionOfCell(kOuterRing[j]), j);
    EXPECT_EQ(ringPositionOfCell(kCentreCell), -1);
    EXPECT_EQ(kOuterRing[kRingPositionKan], cellOfPalace(1));
    EXPECT_EQ(kOuterRing[kRingPositionKun], cellOfPalace(2));
    EXPECT_EQ(kSearchRing[kSearchRingEntry], cellOfPalace(1));
}

TEST(Rings, RotationMovesClockwise) {
    std::array<PalaceCell, 9> cells{};
    for (int c = 0; c < 9; ++c) cells[c].door = static_cast<Door>(c);
    rotateOuterRing(cells, &PalaceCell::door, 1);
    EXPECT_EQ(cells[1].door, 0);  // 巽's content to 离
    EXPECT_EQ(cells[0].door, 3);  // 震's content to 巽
    EXPECT_EQ(cells[4].door, 4);  // the centre stays
    rotateOuterRing(cells, &PalaceCell::door, -1);
    for (int c = 0; c < 9; ++c) EXPECT_EQ(cells[c].door, c);
}

TEST(Rings, SearchStepsCountTheCentreWhereKanStands) {
    // From 坎: 艮 1, 震 2, 巽 3 … 乾 7, the centre 8 ≡ 0. From 乾 the centre and
    // 坎 are both one step away; from 坤, 坤 itself is 0.
    EXPECT_EQ(searchSteps(kRingPositionKan, cellOfPalace(8)), 1);
    EXPECT_EQ(searchSteps(kRingPositionKan, cellOfPalace(6)), 7);
    EXPECT_EQ(searchSteps(kRingPositionKan, kCentreCell) % 8, 0);
    EXPECT_EQ(searchSteps(4, kCentreCell), 1);
    EXPECT_EQ(searchSteps(4, cellOfPalace(1)), 1);
    EXPECT_EQ(searchSteps(kRingPositionKun, cellOfPalace(2)), 0);
}

TEST(Rings, WalkFindsTheFirstCellInSearchOrder) {
    std::array<PalaceCell, 9> cells{};
    for (int c = 0; c < 9; ++c) cells[c].earthStem = static_cast<StemCode>(c);
    for (int from = 0; from < 8; ++from)
        for (int target = 0; target < 9; ++target) {
            SearchHit hit = walkSearchRing(cells, from, [&](const PalaceCell& cell) { return cell.earthStem == target; });
            EXPECT_EQ(hit.cell, target);
            EXPECT_EQ(hit.steps, searchSteps(from, target));
        }
    // Two cells pass: from 乾 the centre comes before 坎.
    cells[kCentreCell].earthStem = 99;
    cells[cellOfPalace(1)].earthStem = 99;
    SearchHit hit = walkSearchRing(cells, 4, [](const PalaceCell& cell) { return cell.earthStem == 99; });
    EXPECT_EQ(hit.cell, kCentreCell);
    EXPECT_EQ(walkSearchRing(cells, 0, [](const PalaceCell&) { return false; }).cell, 9);
}

TEST(Branches, CellsSlotsGeneralsHorsesAndElements) {
    const int cellOf[] = {8, 7, 6, 6, 3, 0, 0, 1, 2, 2, 5, 8};
    const BranchCode general[] = {3, 2, 1, 0, 11, 10, 9, 8, 7, 6, 5, 4};
    for (BranchCode b = 0; b < 12; ++b) {
        EXPECT_EQ(kCellOfBranch[b], cellOf[b]);
        EXPECT_EQ(isSecondSlotBranch(b), b == 0 || b == 3 || b == 6 || b == 9);
        EXPECT_EQ(monthGeneralOf(b), general[b]);
    }
    EXPECT_EQ(monthGeneralOf(3), 0);  // 寅 → 亥
    // 申子辰 → 寅, 寅午戌 → 申, 巳酉丑 → 亥, 亥卯未 → 巳.
    for (BranchCode b : {9, 1, 5}) EXPECT_EQ(postHorseOf(b), 3);
    for (BranchCode b : {3, 7, 11}) EXPECT_EQ(postHorseOf(b), 9);
    for (BranchCode b : {6, 10, 2}) EXPECT_EQ(postHorseOf(b), 0);
    for (BranchCode b : {0, 4, 8}) EXPECT_EQ(postHorseOf(b), 6);
    const ElementCode element[] = {0, 0, 3, 1, 1, 3, 2, 2, 3, 4, 4, 3};
    for (BranchCode b = 0; b < 12; ++b) EXPECT_EQ(elementOfMonthBranch(b), element[b]);
}

TEST(LayingOrder, SuccessorsRunThroughTheNineStems) {
    StemCode stem = kStemWu;
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(stem, kLayingOrder[i]);
        stem = nextInLayingOrder(stem);
    }
    EXPECT_EQ(stem, kStemWu);
}

TEST(ChartRecord, CellsAreThirteenBytesAndTheResetKeepsDatesAndRequest) {
    static_assert(sizeof(PalaceCell) == 13);
    ChartRecord record;
    record.method = ChartMethod::Month;
    record.clockDate = {2000, 1, 2, 3, 4};
    record.yearGZ = 5;
    record.ju = 7;
    record.yangDun = true;
    record.cells[3].door = 4;
    record.centerHiddenStem = 9;
    record.flyingStars[0] = 3;
    resetComputedFields(record);
    EXPECT_EQ(record.yearGZ, 0);
    EXPECT_EQ(record.ju, 0);
    EXPECT_FALSE(record.yangDun);
    EXPECT_EQ(record.cells[3].door, 0);
    EXPECT_EQ(record.centerHiddenStem, 0);
    EXPECT_EQ(record.method, ChartMethod::Month);
    EXPECT_EQ(record.clockDate, (calendar::CivilDateTime{2000, 1, 2, 3, 4}));
    EXPECT_EQ(record.flyingStars[0], 3);
    EXPECT_TRUE(record.writeOutput);
}

TEST(ChartRequest, TextsClipToTheirGbkLimits) {
    EXPECT_EQ(clipToGbkBytes("张三丰李四王五", kAskerNameMaxBytes), "张三丰李四");
    EXPECT_EQ(clipToGbkBytes("ab张三丰李四", kAskerNameMaxBytes), "ab张三丰李");
    EXPECT_EQ(clipToGbkBytes("abc", kAskerNameMaxBytes), "abc");
    ChartRecord record;
    ChartRequest request;
    request.askerName = "张三";
    request.givenJu = 13;
    record.setRequest(request);
    EXPECT_EQ(record.request(), request);
}

}  // namespace
}  // namespace qimen::chart
