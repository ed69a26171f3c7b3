// The text of a custom chart: the rotating-plate hour chart of a laid record
// as a ten-wide box-drawn grid in which every deity, star, stem, door and
// palace is shown by the alias a custom label class gives it.
#pragma once

#include <string>

#include "chart/chart_record.hpp"
#include "custom/custom_class.hpp"

namespace qimen::customchart {

// The printout of a record laid by the rotating-plate hour layout, as UTF-8
// with CR LF line ends: "★name★", then the grid, every cell "│" and ten
// full-width places, four content lines per row of palaces with a blank
// spacer line after each of the first three.
//
// Per outer cell: the deity's alias (yang-dun aliases when setting shen is
// on in yang dun, else yin-dun); the star's alias (the cell of 芮 shows the
// aliases of 芮 and 禽, its heaven stem and "┄" the centre's) and its heaven
// stem; the door's alias, with jiugong the cell's hour flying-star digit;
// the palace's alias and its earth stem (坤 also "┄" the centre's). The
// leader-star and leader-door aliases replace the 值符 star's and the 值使
// door's when their flags are on; the day-stem alias replaces a stem equal
// to the day stem, then the hour-stem alias one equal to the hour stem (the
// hour alias wins), each on the plates its flags name. The centre shows
// only its hour flying-star digit (jiugong) and its own heaven stem's plain
// text. Aliases a damaged class holds are fitted to two characters.
std::string customChartText(const chart::ChartRecord& record, const custom::CustomClass& aliases);

}  // namespace qimen::customchart
