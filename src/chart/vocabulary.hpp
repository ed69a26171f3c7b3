// Texts of the chart vocabulary, indexed by the system's codes (stem and
// branch codes of the sexagenary arithmetic, solar-term codes 0 = 小寒 …
// 23 = 冬至). Texts are UTF-8; on disk they become GBK.
#pragma once

#include <string>
#include <string_view>

#include "calendar/ganzhi.hpp"

namespace qimen::chart {

// Stem text by code 0..10 (10, no stem, is the full-width blank).
std::string_view stemText(int stem);
// Branch text by code 0..11.
std::string_view branchText(int branch);
// Stem and branch of a sexagenary code, e.g. 55 → "戊午".
std::string ganZhiText(calendar::GanZhiCode code);
// Weekday word by weekday 0..6, Sunday first: 日 一 … 六.
std::string_view weekdayText(int weekday);
// Solar-term name by code 0..23.
std::string_view solarTermText(int term);

}  // namespace qimen::chart
