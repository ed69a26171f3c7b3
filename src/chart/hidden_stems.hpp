// Hidden stems (暗干) of the rotating plate, by flight (setting angan 2) or
// by rotation (angan 1).
#pragma once

#include "chart/chart_record.hpp"

namespace qimen::chart {

// Lays the hidden stems of a laid rotating plate by the setting angan (1 by
// rotation, 2 by flight; any other value lays nothing). The hour stem, or
// the xun head's instrument in a 甲 hour, is placed on the 值使 palace
// (leaderDoorPalace) and the rest follow. Reads hourGZ, xunHead, yangDun,
// plateEcho, leaderDoorPalace and both plates; writes hiddenStem and
// hiddenStem2 of the cells and centerHiddenStem.
void layHiddenStems(ChartRecord& record);

// The two methods, callable whatever the setting says (the yin-plate chart
// always lays by rotation).
void layHiddenStemsByFlight(ChartRecord& record);
void layHiddenStemsByRotation(ChartRecord& record);

}  // namespace qimen::chart
