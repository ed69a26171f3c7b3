// The flying-palace hour chart (飞宫法): stars, heaven stems, doors and
// deities fly through all nine palaces in Luoshu order instead of turning on
// the outer ring.
#pragma once

#include "chart/chart_record.hpp"

namespace qimen::chart {

// Lays the flying-palace hour chart from yangDun, ju and hourGZ. Fills
// xunHead, the four leader fields and the cells' deity, heavenStem, star,
// door, earthStem, homeStar and earthDeity. The 值使 of a centre 值符
// palace is the centre's own code 5 (中). Settings zhifu and tianyi, the
// void and horse marks, monthGeneral, plateEcho and hidden stems do not
// apply; those fields keep their initial values.
void layFlyingHourChart(ChartRecord& record);

}  // namespace qimen::chart
