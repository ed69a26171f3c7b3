// The flying-palace hour chart.
#include "chart/flying_layout.hpp"

#include "chart/rotating_layout.hpp"

namespace qimen::chart {

void layFlyingHourChart(ChartRecord& record) {
    auto& cells = record.cells;
    const EarthPlate& plate = earthPlate(record.yangDun, record.ju);
    for (int c = 0; c < 9; ++c) {
        HomeCode home = homeOfCell(c);
        cells[c] = PalaceCell{0, 0, home, home, plate.stemOfCell[c], home, 0, 0, 0, 0, 0, 0, 0};
    }

    record.xunHead = xunHeadOf(record.hourGZ);
    GridCell x = plate.cellOfStem[hiddenInstrumentOf(record.xunHead)];
    Palace p0 = palaceOfCell(x);
    record.leaderStar = homeOfCell(x);
    record.leaderDoor = homeOfCell(x);

    if (record.hourGZ == record.xunHead) {
        record.leaderStarPalace = record.leaderDoorPalace = p0;
    } else {
        record.leaderStarPalace = palaceOfCell(plate.cellOfStem[calendar::stemOf(record.hourGZ)]);
        int t = cycleOrdinal(record.hourGZ) - record.xunHead;  // [1, 9]
        record.leaderDoorPalace = flightPalace(p0, t, record.yangDun);
    }

    // Copy the earth plate first: the heaven stems are read from it while
    // the cells are rewritten.
    std::array<StemCode, 10> earthOfPalace{};
    for (int c = 0; c < 9; ++c) earthOfPalace[palaceOfCell(c)] = cells[c].earthStem;
    bool yang = record.yangDun;
    for (int j = 0; j < 9; ++j) {
        Palace from = flightPalace(p0, j, yang);
        PalaceCell& leader = cells[cellOfPalace(flightPalace(record.leaderStarPalace, j, yang))];
        leader.deity = static_cast<Deity>(j);
        leader.star = homeOfPalace(from);
        leader.heavenStem = earthOfPalace[from];
        cells[cellOfPalace(flightPalace(record.leaderDoorPalace, j, yang))].door = homeOfPalace(from);
        cells[cellOfPalace(from)].earthDeity = static_cast<Deity>(j);
    }
}

}  // namespace qimen::chart
