// The grid of the flying-palace hour chart (pan 1): five full-width
// characters wide, three lines per palace row, the centre drawn like the
// other cells.
#pragma once

#include "chart/chart_record.hpp"

namespace qimen::render {

// Appends the flying-palace grid of a laid record to chartText: per cell
// the short deity (flying yang or yin list by dun), the star and the heaven
// stem; the door (with the hour flying-star digit when jiugong is on, else
// "门"); the short name of earthDeity, the palace name and the earth stem.
// Every line is 40 GBK bytes.
void appendFlyingGrid(chart::ChartRecord& record);

}  // namespace qimen::render
