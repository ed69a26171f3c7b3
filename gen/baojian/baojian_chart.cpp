// Laying the 1,080 charts of the 御定奇门宝鉴 texts and looking pieces up in
// them.
#include "baojian_chart.hpp"

#include "calendar/ganzhi.hpp"
#include "chart/codes.hpp"
#include "chart/rotating_layout.hpp"
#include "chart/vocabulary.hpp"
#include "analysis/analysis_tables.hpp"
#include "patterns/pattern_tables.hpp"

namespace qimen::gen {

BaojianKey baojianKeyOf(int n) {
    BaojianKey key;
    key.group = n / 216 + 1;          // [1, 5]
    key.hour = n % 216 / 18 + 1;      // [1, 12]
    key.yangDun = n % 18 >= 9;
    key.ju = n % 9 + 1;               // [1, 9]
    return key;
}

calendar::GanZhiCode baojianHourPillar(const BaojianKey& key) {
    int fromJia = (2 * (key.group - 1) + (key.hour - 1)) % 10;  // [0, 9], 甲 = 0
    int stem = (fromJia + 1) % 10;                              // StemCode
    int branch = key.hour % 12;                                 // BranchCode, 亥 = 0
    return calendar::ganZhiOf(stem, branch);
}

chart::ChartRecord layBaojianChart(const BaojianKey& key) {
    chart::ChartRecord record;
    record.method = chart::ChartMethod::GivenJuHour;
    record.givenJu = static_cast<std::uint8_t>(key.ju + (key.yangDun ? 10 : 0));
    record.yearGZ = kBaojianYear;
    record.monthGZ = kBaojianMonth;
    record.dayGZ = static_cast<calendar::GanZhiCode>(key.group);  // 甲子 … 戊辰
    record.hourGZ = baojianHourPillar(key);
    record.yangDun = key.yangDun;
    record.ju = static_cast<std::int16_t>(key.ju);
    chart::layRotatingHourChart(record);
    return record;
}

BaojianChart analyseBaojianChart(const BaojianKey& key) {
    BaojianChart chart;
    chart.record = layBaojianChart(key);
    patterns::detectChartPatterns(chart.record, chart.findings);
    for (int g = 0; g < 9; ++g)
        if (g != chart::kCentreCell) chart.scoreSum += chart.found(g).score;
    chart.level = analysis::verdictLevel(chart.scoreSum);
    return chart;
}

namespace {
template <typename Pred>
int firstOuterCell(Pred pred) {
    for (int g = 0; g < 9; ++g)
        if (g != chart::kCentreCell && pred(g)) return g;
    return -1;
}
}  // namespace

int BaojianChart::cellOfDoor(chart::Door door) const {
    if (door == chart::kDoorCentre) door = chart::kDoorSi;
    return firstOuterCell([&](int g) { return cell(g).door == door; });
}

int BaojianChart::cellOfStar(chart::Star star) const {
    if (star == chart::kStarQin) star = chart::kStarRui;
    return firstOuterCell([&](int g) { return cell(g).star == star; });
}

int BaojianChart::cellOfDeity(chart::Deity deity) const {
    int g = firstOuterCell([&](int c) { return cell(c).deity == deity; });
    return g < 0 ? chart::kCentreCell : g;
}

int BaojianChart::cellOfHeavenStem(calendar::StemCode stem) const {
    int g = firstOuterCell([&](int c) { return cell(c).heavenStem == stem; });
    if (g < 0 && cell(chart::kCentreCell).heavenStem == stem) g = cellOfStar(chart::kStarRui);
    return g;
}

int BaojianChart::cellOfEarthStem(calendar::StemCode stem) const {
    int g = firstOuterCell([&](int c) { return cell(c).earthStem == stem; });
    if (g < 0 && cell(chart::kCentreCell).earthStem == stem) g = chart::cellOfPalace(chart::kKunPalace);
    return g;
}

int BaojianChart::leaderStarCell() const {
    int palace = record.leaderStarPalace == chart::kCentrePalace ? chart::kKunPalace : record.leaderStarPalace;
    return chart::cellOfPalace(palace);
}

int BaojianChart::leaderDoorCell() const {
    int palace = record.leaderDoorPalace == chart::kCentrePalace ? chart::kKunPalace : record.leaderDoorPalace;
    return chart::cellOfPalace(palace);
}

int BaojianChart::horseCell() const {
    for (int g = 0; g < 9; ++g)
        if (cell(g).horseFirst != 0 || cell(g).horseSecond != 0) return g;
    return cellOfBranch(chart::postHorseOf(calendar::branchOf(record.hourGZ)));
}

int BaojianChart::cellOfBranch(calendar::BranchCode branch) const { return chart::kCellOfBranch[branch]; }

std::string_view palaceOf(int cell) { return chart::palaceNameText(chart::homeOfCell(cell)); }
std::string_view directionOf(int cell) { return chart::directionText(chart::homeOfCell(cell)); }

int cellQuality(const BaojianChart& chart, int cell) {
    int score = chart.found(cell).score;
    return score >= 3 ? 1 : score <= -3 ? -1 : 0;
}

int cellElement(int cell) { return patterns::kPalaceElement[chart::homeOfCell(cell)]; }

int doorRelation(const BaojianChart& chart, int cell) {
    return patterns::doorPalaceRelation(chart.cell(cell).door, chart::homeOfCell(cell));
}

}  // namespace qimen::gen
