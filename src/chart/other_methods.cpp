// Month, year and yin-plate charts.
#include "chart/other_methods.hpp"

#include "calendar/day_arithmetic.hpp"
#include "calendar/solar_terms.hpp"
#include "chart/hidden_stems.hpp"
#include "chart/rotating_layout.hpp"

namespace qimen::chart {
namespace {

constexpr std::int16_t juOfYuan(int yuan) { return static_cast<std::int16_t>(1 + 3 * yuan); }

// Branch number counting 子 1 … 戌 11, 亥 12.
constexpr int branchNumber(BranchCode branch) { return branch == 0 ? 12 : branch; }

}  // namespace

YuanOfChart monthChartJu(ChartRecord& record) {
    GanZhiCode c = record.yearGZ;
    while (calendar::stemOf(c) != kStemJia && calendar::stemOf(c) != kStemJi)
        c = static_cast<GanZhiCode>(calendar::positiveMod(c - 1, 60));
    int yuan = calendar::branchOf(c) % 3 == 1 ? 0 : calendar::branchOf(c) % 3 == 0 ? 1 : 2;
    record.yangDun = false;
    record.ju = juOfYuan(yuan);
    return {yuan, c};
}

void layMonthChart(ChartRecord& record) { layRotatingPlate(record, record.monthGZ); }

YuanOfChart yearChartJu(ChartRecord& record) {
    int y = record.computeDate.year;
    int a = record.yearGZ == calendar::positiveMod(y + 897, 60) ? 1 : 0;
    int c = (y + a + 1015) / 60;  // y ≥ −849, so the sum is positive
    int yuan = c % 3;
    record.yangDun = false;
    record.ju = juOfYuan(yuan);
    return {yuan, record.yearGZ};
}

void layYearChart(ChartRecord& record) { layRotatingPlate(record, record.yearGZ); }

void yinPlateJu(ChartRecord& record) {
    int y = record.computeDate.year;
    double summer = calendar::julianDay(calendar::termOfMonth(y, 6, false).time);
    double winter = calendar::julianDay(calendar::termOfMonth(y, 12, false).time);
    record.yangDun = record.clockJulianDay < summer || record.clockJulianDay >= winter;
    int month = record.settings.selyue == 1 ? calendar::positiveMod(calendar::branchOf(record.monthGZ) - 3, 12) + 1
                                            : record.lunarDate.month;
    int sum = branchNumber(calendar::branchOf(record.yearGZ)) + month + record.lunarDate.day +
              branchNumber(calendar::branchOf(record.hourGZ));
    int ju = calendar::positiveMod(sum, 9);
    record.ju = static_cast<std::int16_t>(ju == 0 ? 9 : ju);
}

void layYinPlateChart(ChartRecord& record) {
    layRotatingPlate(record, record.hourGZ);
    markMonthGeneralAndEcho(record);
    markHorseAndVoid(record, record.hourGZ);
    layHiddenStemsByRotation(record);
}

}  // namespace qimen::chart
