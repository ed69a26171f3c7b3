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

// The year and month pillars every key's chart is laid with: a 甲 year and
// its 甲 month (甲子, 甲戌). 甲 never lies open on the earth plate, so the
// year and month add no pattern of their own (no 戏格, 月格, nor a 悖格 or
// 伏干格 echoing the day's): the texts serve every year and month alike.
inline constexpr calendar::GanZhiCode kBaojianYear = 1;    // 甲子
inline constexpr calendar::GanZhiCode kBaojianMonth = 11;  // 甲戌

// The laid chart of a key: default settings, the given dun and ju, the hour
// pillar above, the year and month above. The day pillar is the group's
// first day of the cycle (甲子, 乙丑, 丙寅, 丁卯, 戊辰), a day of the group
// whose hour pillars the five-rat rule gives.
chart::ChartRecord layBaojianChart(const BaojianKey& key);

// One chart with its findings, palace by palace, and the places of the
// pieces the readings ask about. Cells are grid cells 0..8; "outer" look-ups
// never answer the centre: a piece of the centre answers with the cell that
// carries it (天禽 and the centre's heaven stem ride with 天芮).
struct BaojianChart {
    chart::ChartRecord record;
    std::array<patterns::PalaceFindings, 9> findings{};  // slot 4 (centre) empty
    int scoreSum = 0;                                  // the eight outer scores
    int level = 0;  // verdict step of scoreSum: −2 大凶 … 2 大吉

    bool fuYin() const { return record.plateEcho == chart::kFuYin; }
    bool fanYin() const { return record.plateEcho == chart::kFanYin; }

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

// Element (0 水 1 木 2 火 3 土 4 金) of a stem code: 甲乙 木, 丙丁 火, 戊己 土,
// 庚辛 金, 壬癸 水.
constexpr int stemElement(calendar::StemCode stem) {
    constexpr int element[10] = {0, 1, 1, 2, 2, 3, 3, 4, 4, 0};
    return element[stem % 10];
}
// Element of the palace of a grid cell.
int cellElement(int cell);

// How element a stands to element b: 0 the same, 1 a generates b, 2 a
// restrains b, 3 b restrains a, 4 b generates a.
constexpr int elementRelation(int a, int b) { return ((b - a) % 5 + 5) % 5; }

// The door-palace relation of a cell as the analysis reads it, (door −
// palace) mod 5: 0 比和, 1 宫生门, 2 宫克门, 3 门克宫 (门迫), 4 门生宫.
int doorRelation(const BaojianChart& chart, int cell);

}  // namespace qimen::gen
