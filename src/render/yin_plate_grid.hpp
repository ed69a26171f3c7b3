// The grid of the yin-plate chart: a box of four-character cells indented
// by one full-width space, with the twelve branch positions marked around
// it (○ void, 马 post horse) and the hidden stems outside the box.
#pragma once

#include "chart/chart_record.hpp"

namespace qimen::render {

// Appends the yin-plate grid of a laid record to chartText. Around the box
// the branches stand at top 巳 午 未, right 申 酉 戌, bottom 亥 子 丑 (right
// to left) and left 寅 卯 辰 (bottom to top); each row's left and right cell
// show their hidden stems beside the box, 离 and 坎 above and below it, the
// centre's in its last line. Deities by the yin-plate short list; the 芮
// palace prints both heaven stems, 坤2 both earth stems. Without their
// line breaks, lines through the box are 36 GBK bytes, its borders 34; the
// marks above it 36, below it 34, and the horse line 36.
void renderYinPlateGrid(chart::ChartRecord& record);

}  // namespace qimen::render
