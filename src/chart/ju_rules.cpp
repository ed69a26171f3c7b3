// Ju determination of the hour chart: 拆补法 from the term in force and the
// day's yuan, 置闰法 from the stored table.
#include "chart/ju_rules.hpp"

#include <cmath>
#include <stdexcept>

#include "calendar/day_arithmetic.hpp"
#include "calendar/solar_terms.hpp"
#include "chart/intercalation_table.hpp"

namespace qimen::chart {
namespace {

// Julian day of 1900-01-01 00:00, the first day of the table.
constexpr double kTableEpoch = 2415020.5;

}  // namespace

int termInForce(const ChartRecord& record) {
    // The month pillar's branch names the Gregorian month whose terms bound
    // it: 寅 → February … 戌 → October, 亥 → November, 子 → December, 丑 →
    // January. A 子 or 亥 month seen in January (before 立春) belongs to the
    // previous year's December or November.
    BranchCode b = calendar::branchOf(record.monthGZ);
    int month = b == 0 ? 11 : b == 1 ? 12 : b - 1;
    int year = record.clockDate.year;
    if ((b == 0 || b == 1) && record.yearGZ != calendar::positiveMod(year + 897, 60)) --year;
    double sectional = calendar::julianDay(calendar::termOfMonth(year, month, true).time);
    double principal = calendar::julianDay(calendar::termOfMonth(year, month, false).time);
    if (record.clockJulianDay >= principal) return 2 * month;
    if (record.clockJulianDay >= sectional) return 2 * month - 1;
    return 2 * month - 2;
}

void splitComplementJu(ChartRecord& record) {
    DunJu dunJu = termJu(termInForce(record), yuanOfDay(record.dayGZ));
    record.yangDun = dunJu.yangDun;
    record.ju = dunJu.ju;
}

DunJu intercalationBlock(int block) {
    if (block < 0 || block >= kIntercalationBlocks) throw std::out_of_range("intercalation block");
    std::uint32_t entry = intercalationEntryOf(intercalationWord(block / 6), block);
    return {(entry & 0x10u) != 0, static_cast<std::int16_t>(entry & 0x0Fu)};
}

bool intercalationJu(ChartRecord& record) {
    calendar::CivilDateTime day = record.computeDate;
    day.hour = 0;
    day.minute = 0;
    double days = std::floor(calendar::julianDay(day) - kTableEpoch);  // whole days since 1900-01-01
    if (days < 0 || days >= kIntercalationBlocks * 5.0) return false;
    DunJu dunJu = intercalationBlock(static_cast<int>(days) / 5);
    record.yangDun = dunJu.yangDun;
    record.ju = dunJu.ju;
    return true;
}

}  // namespace qimen::chart
