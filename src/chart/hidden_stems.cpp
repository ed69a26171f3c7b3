// Hidden stems by flight and by rotation.
#include "chart/hidden_stems.hpp"

#include "chart/rings.hpp"

namespace qimen::chart {
namespace {

// The stem placed on the 值使 palace: the hour stem, or in a 甲 hour the
// instrument under which the 甲 hides.
StemCode leadingHiddenStem(const ChartRecord& record) {
    if (record.hourGZ == record.xunHead) return hiddenInstrumentOf(record.xunHead);
    return calendar::stemOf(record.hourGZ);
}

PalaceCell& cellAt(ChartRecord& record, int palace) { return record.cells[cellOfPalace(palace)]; }

// Nine palaces along the flight order from `start`, each taking u and then
// u's successor in the laying order; no second stems.
void flyFrom(ChartRecord& record, int start, StemCode u) {
    for (int j = 0; j < 9; ++j) {
        PalaceCell& cell = cellAt(record, flightPalace(start, j, record.yangDun));
        cell.hiddenStem = u;
        cell.hiddenStem2 = kNoStem;
        u = nextInLayingOrder(u);
    }
}

}  // namespace

void layHiddenStemsByFlight(ChartRecord& record) {
    StemCode u = leadingHiddenStem(record);
    int v = record.leaderDoorPalace;
    // When the 值使 lands on the centre its door stands in 坤, so 坤's earth
    // stem is the one compared.
    int compared = v == kCentrePalace ? kKunPalace : v;
    int start = u == cellAt(record, compared).earthStem ? kCentrePalace : v;
    flyFrom(record, start, u);
}

void layHiddenStemsByRotation(ChartRecord& record) {
    auto& cells = record.cells;
    StemCode u = leadingHiddenStem(record);
    int v = record.leaderDoorPalace;
    // The centre has no hidden stem of its own here; its second stem is
    // marked "none" as well, so no reader takes the initial 0 for 癸.
    cells[kCentreCell].hiddenStem = kNoStem;
    cells[kCentreCell].hiddenStem2 = kNoStem;

    auto onBothPlates = [&](int palace) {
        const PalaceCell& cell = cellAt(record, palace);
        return cell.heavenStem == u && cell.earthStem == u;
    };
    bool onLeaderDoor = (v == kKunPalace || v == kCentrePalace) ? onBothPlates(kKunPalace) || onBothPlates(kCentrePalace)
                                                                : onBothPlates(v);
    if (record.plateEcho == kFuYin && onLeaderDoor) {
        if (v == kKunPalace || v == kCentrePalace) u = cellAt(record, kKunPalace).earthStem;
        record.centerHiddenStem = u;
        flyFrom(record, kCentrePalace, u);
        return;
    }

    // Turn the earth plate clockwise so that u's palace lands on the 值使
    // palace; 坤 carries the centre's stem with it.
    record.centerHiddenStem = kNoStem;
    int receiving = ringPositionOfCell(cellOfPalace(v == kCentrePalace ? kKunPalace : v));
    GridCell source = kCentreCell;
    for (int c = 0; c < 9; ++c) {
        if (cells[c].earthStem == u) {
            source = static_cast<GridCell>(c);
            break;
        }
    }
    if (source == kCentreCell) source = cellOfPalace(kKunPalace);
    int giving = ringPositionOfCell(source);
    StemCode centreEarth = cells[kCentreCell].earthStem;
    std::array<StemCode, 8> earth{};
    for (int j = 0; j < 8; ++j) earth[j] = cells[kOuterRing[j]].earthStem;
    for (int m = 0; m < 8; ++m) {
        int from = (giving + m) % 8;
        PalaceCell& cell = cells[kOuterRing[(receiving + m) % 8]];
        cell.hiddenStem = earth[from];
        cell.hiddenStem2 = kOuterRing[from] == cellOfPalace(kKunPalace) ? centreEarth : kNoStem;
    }
}

void layHiddenStems(ChartRecord& record) {
    if (record.settings.angan == 1)
        layHiddenStemsByRotation(record);
    else if (record.settings.angan == 2)
        layHiddenStemsByFlight(record);
}

}  // namespace qimen::chart
