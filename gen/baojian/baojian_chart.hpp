// The chart behind each 御定奇门宝鉴 text pair: the index n = 0..1079 taken
// apart into day-stem group, hour, dun and ju, the rotating-plate hour chart
// it fixes, and the look-ups of that chart the readings are composed from.
#pragma once

#include <array>
#include <string_view>

#include "chart/chart_record.hpp"
#include "patterns/pattern_detector.hpp"

namespace qimen::gen {

inline constexpr int kBaojianChartCount = 1080;

struct BaojianKey {
    int group = 1;        // day-stem group 1..5 (甲己, 乙庚, 丙辛, 丁壬, 戊癸)
    int hour = 1;         // hour number 1..12 (子 … 亥)
    bool yangDun = false;
    int ju = 1;           // 1..9
};

// n = 0..1079 → its key, the inverse of knowledge::baojianIds: n runs yin ju
// 1..9, then yang ju 1..9, within each hour, hours within each group.
BaojianKey baojianKeyOf(int n);

// The hour pillar of a day-stem group and hour number by the five-rat rule
// (甲己 days start at 甲子, 乙庚 at 丙子, …): group 1..5, hour 1..12.
calendar::GanZhiCode baojianHourPillar(const BaojianKey& key);

// The laid chart of a key: default settings, the given dun and ju, the hour
// pillar above. The day pillar is the group's first day of the cycle (甲子,
// 乙丑, 丙寅, 丁卯, 戊辰) and the year and month pillars repeat it, so that
// the pillar rules of the detector see only the day and the hour.
chart::ChartRecord layBaojianChart(const BaojianKey& key);

// One chart with its findings, palace by palace, and the places of the
// pieces the readings ask about. Cells are grid cells 0..8; "outer" look-ups
// never answer the centre: a piece of the centre answers with the cell that
// carries it (天禽 and the centre's heaven stem ride with 天芮).
struct BaojianChart {
    chart::ChartRecord record;
    std::array<patterns::PalaceFindings, 9> findings{};  // slot 4 (centre) empty
    int scoreSum = 0;                                  // the eight outer scores

    int cellOfDoor(chart::Door door) const;
    int cellOfStar(chart::Star star) const;
    int cellOfDeity(chart::Deity deity) const;  // the centre cell when no outer one
    int horseCell() const;                        // the hour's post horse
    int cellOfHeavenStem(calendar::StemCode stem) const;  // -1 when absent (甲)
    int cellOfEarthStem(calendar::StemCode stem) const;   // -1 when absent (甲)
    int leaderStarCell() const;
    int leaderDoorCell() const;
    // The cell of the branch's palace mark (亥 and 子 … by kCellOfBranch).
    int cellOfBranch(calendar::BranchCode branch) const;
    const chart::PalaceCell& cell(int g) const { return record.cells[static_cast<std::size_t>(g)]; }
    const patterns::PalaceFindings& found(int g) const { return findings[static_cast<std::size_t>(g)]; }
};

BaojianChart analyseBaojianChart(const BaojianKey& key);

// Names for the readings: the trigram name (乾), the direction (西北) of a
// grid cell; the luoshu number of the cell 1..9.
std::string_view palaceOf(int cell);
std::string_view directionOf(int cell);

// Rough quality of a cell for the readings: +1 good, 0 middling, −1 bad,
// from the detector's score of the palace.
int cellQuality(const BaojianChart& chart, int cell);

}  // namespace qimen::gen
