// The rotating plate (转盘): earth plate by dun and ju, the 值符 star with
// the heaven plate and the deities turned along the outer ring, the 值使 door,
// the 天心 variant of the heaven stems, and the marks of the hour chart.
// Month, year and yin-plate charts reuse its steps with another pillar.
#pragma once

#include <array>

#include "chart/chart_record.hpp"

namespace qimen::chart {

// Earth plate of a dun and ju: the stems 戊 己 庚 辛 壬 癸 丁 丙 乙 laid from
// palace `ju` stepping +1 (yang) or −1 (yin) through all nine palaces.
struct EarthPlate {
    std::array<StemCode, 9> stemOfCell;   // by grid cell
    std::array<GridCell, 11> cellOfStem;  // by stem code (甲 and 10 unused)
};
// ju 1..9; other values are taken modulo 9 onto 1..9 (0 → 9).
const EarthPlate& earthPlate(bool yangDun, int ju);

// The full rotating-plate hour chart from yangDun, ju, hourGZ, monthGZ and
// the settings zhifu, tianyi and angan: fills xunHead, the four leader
// fields, all cells, monthGeneral, plateEcho, the void and horse marks of
// the hour, and (angan 1 or 2) the hidden stems. No allocation.
void layRotatingHourChart(ChartRecord& record);

// Steps shared with the other methods, for the pillar that governs the
// chart (hour, month or year pillar): initialise the cells, lay the earth
// plate, find 值符 and 值使, turn the deities (by setting zhifu), the heaven
// plate with its stars and the doors. Fills xunHead and the leader fields.
void layRotatingPlate(ChartRecord& record, GanZhiCode pillar);

// With setting tianyi 1: re-lays the heaven stems of all nine palaces from
// the palace where 天心 stands (戊 there), stepping by the dun.
void relayHeavenStemsFromTianXin(ChartRecord& record);

// monthGeneral (by setting yuejiang, month_general.hpp) and plateEcho from
// the plates.
void markMonthGeneralAndEcho(ChartRecord& record);

// Post-horse mark of the pillar's branch and void marks of its ten-day
// group, on the slots of the palaces holding those branches.
void markHorseAndVoid(ChartRecord& record, GanZhiCode pillar);

}  // namespace qimen::chart
