// The rotating-plate layout, step by step. Counting on the search ring and
// turning on the outer ring are in rings.hpp; the earth plates of the
// eighteen dun/ju pairs are built once at compile time.
#include "chart/rotating_layout.hpp"

#include "chart/hidden_stems.hpp"
#include "chart/month_general.hpp"
#include "chart/rings.hpp"

namespace qimen::chart {
namespace {

// Base deity layouts by grid cell: 值符 (0) in 坎, 4 in the centre, yang
// running clockwise from 坎 and yin counter-clockwise.
constexpr std::array<Deity, 9> kYangDeities = {3, 5, 6, 2, 4, 7, 1, 0, 8};
constexpr std::array<Deity, 9> kYinDeities = {6, 5, 3, 7, 4, 2, 8, 0, 1};

constexpr EarthPlate buildEarthPlate(bool yangDun, int ju) {
    EarthPlate plate{};
    for (auto& cell : plate.cellOfStem) cell = kCentreCell;
    int step = yangDun ? 1 : -1;
    for (int i = 0; i < 9; ++i) {
        GridCell cell = cellOfPalace(wrapPalace(ju + step * i));
        plate.stemOfCell[cell] = kLayingOrder[i];
        plate.cellOfStem[kLayingOrder[i]] = cell;
    }
    return plate;
}

constexpr auto kEarthPlates = [] {
    std::array<std::array<EarthPlate, 10>, 2> plates{};
    for (int ju = 1; ju <= 9; ++ju) {
        plates[0][ju] = buildEarthPlate(false, ju);
        plates[1][ju] = buildEarthPlate(true, ju);
    }
    return plates;
}();

}  // namespace

const EarthPlate& earthPlate(bool yangDun, int ju) { return kEarthPlates[yangDun ? 1 : 0][wrapPalace(ju)]; }

void layRotatingPlate(ChartRecord& record, GanZhiCode pillar) {
    auto& cells = record.cells;
    const EarthPlate& plate = earthPlate(record.yangDun, record.ju);
    const auto& deities = record.yangDun ? kYangDeities : kYinDeities;

    // The base plate: every star and door at home, the base deities, the
    // earth plate written into both plates.
    for (int c = 0; c < 9; ++c) {
        HomeCode home = homeOfCell(c);
        StemCode stem = plate.stemOfCell[c];
        cells[c] = PalaceCell{deities[c], stem, home, home, stem, home, 0, 0, 0, 0, 0, 0, 0};
    }

    // The leaders: the xun head's instrument on the earth plate is the
    // 值符 palace X; a centre X borrows 死门 and is counted as 坤.
    record.xunHead = xunHeadOf(pillar);
    GridCell x = plate.cellOfStem[hiddenInstrumentOf(record.xunHead)];
    record.leaderStar = cells[x].star;
    record.leaderDoor = cells[x].door;
    int walkFrom = ringPositionOfCell(x);
    int a = searchSteps(kRingPositionKan, x);
    if (x == kCentreCell) {
        record.leaderDoor = kDoorSi;
        a = 5;
        walkFrom = kRingPositionKun;
    }
    Palace p0 = palaceOfCell(x);

    // The deity plate turns until its 值符 stands on X.
    rotateOuterRing(cells, &PalaceCell::deity, a);

    // A 甲 hour (伏吟) leaves heaven plate, stars and doors at home.
    if (pillar == record.xunHead) {
        record.leaderStarPalace = record.leaderDoorPalace = p0;
        return;
    }

    // The 值符 star goes to the pillar's stem on the earth plate; a centre
    // hit is answered by 坤 (b − 3 modulo 8 from the centre's count).
    GridCell h = plate.cellOfStem[calendar::stemOf(pillar)];
    int b = searchSteps(walkFrom, h);
    if (h == kCentreCell) b = calendar::positiveMod(b - 3, 8);
    record.leaderStarPalace = palaceOfCell(h);

    // The heaven plate follows the 值符 star; the small 值符 follows
    // it unless setting zhifu keeps it on the earth plate's 值符 palace.
    rotateOuterRing(cells, &PalaceCell::heavenStem, b);
    rotateOuterRing(cells, &PalaceCell::star, b);
    if (record.settings.zhifu == 0) rotateOuterRing(cells, &PalaceCell::deity, b);

    // The 值使 door walks as many palaces as the pillar is from its
    // xun head, in Luoshu order through the centre; a centre landing is
    // answered by 坤.
    int d = cycleOrdinal(pillar) - record.xunHead;  // [1, 9]
    record.leaderDoorPalace = wrapPalace(record.yangDun ? p0 + d : p0 - d);
    Palace target = record.leaderDoorPalace == kCentrePalace ? kKunPalace : record.leaderDoorPalace;
    rotateOuterRing(cells, &PalaceCell::door, searchSteps(walkFrom, cellOfPalace(target)));
}

void relayHeavenStemsFromTianXin(ChartRecord& record) {
    auto& cells = record.cells;
    int start = 0;
    for (int c = 0; c < 9; ++c)
        if (cells[c].star == kStarXin) start = palaceOfCell(c);
    int step = record.yangDun ? 1 : -1;
    for (int i = 0; i < 9; ++i) cells[cellOfPalace(wrapPalace(start + step * i))].heavenStem = kLayingOrder[i];
}

void markMonthGeneralAndEcho(ChartRecord& record) {
    record.monthGeneral = monthGeneralOfChart(record);
    const auto& cells = record.cells;
    bool fanYin = true;
    for (int j = 0; j < 4; ++j) {
        const PalaceCell& near = cells[kOuterRing[j]];
        const PalaceCell& far = cells[kOuterRing[j + 4]];
        fanYin = fanYin && near.heavenStem == far.earthStem && near.earthStem == far.heavenStem;
    }
    bool fuYin = true;
    for (GridCell c : kOuterRing) fuYin = fuYin && cells[c].heavenStem == cells[c].earthStem;
    record.plateEcho = fanYin ? kFanYin : fuYin ? kFuYin : kNoEcho;
}

void markHorseAndVoid(ChartRecord& record, GanZhiCode pillar) {
    auto mark = [&](BranchCode branch, std::uint8_t PalaceCell::*first, std::uint8_t PalaceCell::*second) {
        PalaceCell& cell = record.cells[kCellOfBranch[branch]];
        (isSecondSlotBranch(branch) ? cell.*second : cell.*first) = 1;
    };
    mark(postHorseOf(calendar::branchOf(pillar)), &PalaceCell::horseFirst, &PalaceCell::horseSecond);
    VoidBranches voids = voidBranchesOf(pillar);
    mark(voids.first, &PalaceCell::voidFirst, &PalaceCell::voidSecond);
    mark(voids.second, &PalaceCell::voidFirst, &PalaceCell::voidSecond);
}

void layRotatingHourChart(ChartRecord& record) {
    layRotatingPlate(record, record.hourGZ);
    if (record.settings.tianyi == 1) relayHeavenStemsFromTianXin(record);
    markMonthGeneralAndEcho(record);
    markHorseAndVoid(record, record.hourGZ);
    if (record.settings.angan == 1 || record.settings.angan == 2) layHiddenStems(record);
}

}  // namespace qimen::chart
