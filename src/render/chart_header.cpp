// The chart header and the day almanac.
#include "render/chart_header.hpp"

#include <array>
#include <cmath>
#include <string_view>

#include "calendar/day_arithmetic.hpp"
#include "calendar/lunar_text.hpp"
#include "calendar/solar_terms.hpp"
#include "chart/month_general.hpp"
#include "chart/vocabulary.hpp"

namespace qimen::render {
namespace {

using calendar::branchOf;
using calendar::positiveMod;
using calendar::stemOf;
using chart::ChartMethod;
using chart::ChartRecord;

std::string_view titleText(ChartMethod method) {
    switch (method) {
    case ChartMethod::Day: return "奇门盘式:日家奇门  ";
    case ChartMethod::Month: return "奇门盘式:月家奇门  ";
    case ChartMethod::Year: return "奇门盘式:年家奇门  ";
    case ChartMethod::SmallFlying: return "奇门盘式:飞宫小奇门  ";
    case ChartMethod::YinPlate: return "奇门盘式:阴盘奇门  ";
    default: return "奇门盘式:时家奇门  ";
    }
}

void appendGanZhi(std::string& out, calendar::GanZhiCode code) {
    out += chart::stemText(stemOf(code));
    out += chart::branchText(branchOf(code));
}

// The year as the user reads it: no year 0, so stored 0 prints −1.
int printedYear(int year) { return calendar::userFromAstronomicalYear(year); }

void appendPlaceLine(std::string& out, const ChartRecord& record) {
    out += record.placeName;
    if (!record.settings.sun) {
        out += "。\r\n";
        return;
    }
    DegreesMinutes lon = degreesMinutes(record.longitude);
    DegreesMinutes lat = degreesMinutes(record.latitude);
    out += ",经度:" + std::to_string(lon.degrees) + "度" + std::to_string(lon.minutes) + "分,";
    out += "纬度:" + std::to_string(lat.degrees) + "度" + std::to_string(lat.minutes) + "分。\r\n";
}

void appendGregorianLine(std::string& out, const ChartRecord& record) {
    const calendar::CivilDateTime& d = record.computeDate;
    out += "公历:" + std::to_string(printedYear(d.year)) + "年" + std::to_string(d.month) + "月" +
           std::to_string(d.day) + "日" + std::to_string(d.hour) + "时" + std::to_string(d.minute) + "分";
    out += ",星期";
    out += chart::weekdayText(calendar::weekday(d));
    out += record.settings.sun ? "(真太阳时)。\r\n" : "(北京时间)。\r\n";
}

void appendTermInstant(std::string& out, int term, const calendar::TermInstant& instant) {
    const calendar::CivilDateTime& t = instant.time;
    out += chart::solarTermText(term);
    // Appended piece by piece: a chained std::string sum here trips a false
    // -Wrestrict warning of GCC 12.
    for (auto [separator, value] : {std::pair{":", t.month}, {"-", t.day}, {" ", t.hour}, {":", t.minute}}) {
        out += separator;
        out += std::to_string(value);
    }
    out += " ";
}

// The month of the solar-term calendar (小寒 month 1 … 大雪 month 12) from the
// month branch, in the clock year whose pillar the chart carries.
void appendTermLine(std::string& out, const ChartRecord& record) {
    int branch = branchOf(record.monthGZ);
    bool winterMonth = branch <= 1;  // 亥 or 子
    int f = winterMonth ? branch + 11 : branch - 1;  // [1, 12]
    int y = record.clockDate.year;
    if (winterMonth && positiveMod(y + 897, 60) != record.yearGZ) --y;
    out += "\r\n节气:";
    appendTermInstant(out, 2 * f - 2, calendar::termOfMonth(y, f, true));
    appendTermInstant(out, 2 * f - 1, calendar::termOfMonth(y, f, false));

    int e = record.monthElement;
    static constexpr std::array<int, 5> kOffset = {0, 1, 4, 3, 2};  // 旺 相 休 囚 死
    static constexpr std::array<std::string_view, 5> kWord = {"旺-", "相-", "休-", "囚-", "死)"};
    out += "(";
    for (std::size_t i = 0; i < kOffset.size(); ++i) {
        out += chart::elementText(positiveMod(e + kOffset[i], 5));
        out += kWord[i];
    }
}

void appendVoidLine(std::string& out, const ChartRecord& record) {
    out += "空亡:";
    for (calendar::GanZhiCode pillar : {record.yearGZ, record.monthGZ, record.dayGZ, record.hourGZ}) {
        chart::VoidBranches v = chart::voidBranchesOf(pillar);
        out += chart::branchText(v.first);
        out += chart::branchText(v.second);
        out += "　 ";
    }
    out += "\r\n";
}

void appendDunLines(std::string& out, const ChartRecord& record, bool withMonthGeneral) {
    out += record.yangDun ? "※阳" : "※阴";
    out += "遁";
    out += chart::numeralText(record.ju);
    out += "局,旬首:";
    appendGanZhi(out, record.xunHead);
    out += "(";
    out += chart::stemText(chart::hiddenInstrumentOf(record.xunHead));
    out += ")";
    if (withMonthGeneral) {
        out += "  月将:";
        out += chart::branchText(chart::monthGeneralOfChart(record));
    }
    out += "\r\n★直符天";
    out += chart::starText(record.leaderStar);
    out += "落" + std::to_string(record.leaderStarPalace) + "宫,直使";
    out += chart::doorText(record.leaderDoor);
    out += "门落" + std::to_string(record.leaderDoorPalace) + "宫。\r\n";
}

}  // namespace

DegreesMinutes degreesMinutes(double value) {
    double degrees = std::floor(value);
    double minutes = (value - degrees) * 60.0;  // [0, 60)
    double whole = std::floor(minutes);
    if (minutes - whole > 0.5) whole += 1.0;  // an exact half goes to the lower minute
    DegreesMinutes result{static_cast<int>(degrees), static_cast<int>(whole)};
    if (result.minutes == 60) {
        ++result.degrees;
        result.minutes = 0;
    }
    return result;
}

std::string lunarLineText(const calendar::CivilDateTime& lunarDate, bool leapMonth) {
    std::string out = "农历:";
    appendGanZhi(out, static_cast<calendar::GanZhiCode>(positiveMod(lunarDate.year + 897, 60)));
    out += "年";
    std::string month = lunarDate.month == 1 ? "正" : calendar::lunarNumeral(lunarDate.month);
    out += leapMonth ? " 闰" : " ";
    out += month;
    out += "月 ";
    if (lunarDate.day <= 10) out += "初";
    out += calendar::lunarNumeral(lunarDate.day);
    out += "日";
    int h = lunarDate.hour;
    int c = h % 2 == 1 ? (h + 1) % 24 : h;
    out += " ";
    out += chart::branchText((c / 2 + 1) % 12);
    out += "时。";
    return out;
}

std::string pillarsLineText(const ChartRecord& record) {
    std::string out = "干支:";
    appendGanZhi(out, record.yearGZ);
    out += "年 ";
    appendGanZhi(out, record.monthGZ);
    out += "月 ";
    appendGanZhi(out, record.dayGZ);
    out += "日 ";
    appendGanZhi(out, record.hourGZ);
    out += "时\r\n";
    return out;
}

void appendHeader(ChartRecord& record) {
    std::string& out = record.chartText;
    out.assign(titleText(record.method));
    out += "占问事宜:" + record.matter + "\r\n";
    out += "求测人:" + record.askerName + "   预测地:";
    appendPlaceLine(out, record);
    appendGregorianLine(out, record);
    out += lunarLineText(record.lunarDate, record.leapMonth);
    if (record.method != ChartMethod::Year) appendTermLine(out, record);

    out += "\r\n";
    out += pillarsLineText(record);
    appendVoidLine(out, record);

    if (record.method == ChartMethod::Day || record.method == ChartMethod::SmallFlying) return;
    bool withMonthGeneral = record.method == ChartMethod::Hour || record.method == ChartMethod::GivenJuHour ||
                            record.method == ChartMethod::YinPlate;
    appendDunLines(out, record, withMonthGeneral);
}

void appendDayAlmanac(ChartRecord& record) {
    // Indexed by stem mod 5: 戊癸, 甲己, 乙庚, 丙辛, 丁壬.
    static constexpr std::array<std::string_view, 5> kJoyDirection = {
        "巽方。(吉)\r\n", "艮方。(吉)\r\n", "乾方。(吉)\r\n", "坤方。(吉)\r\n", "离方。(吉)\r\n"};
    static constexpr std::array<std::string_view, 5> kBlockedRoad = {
        "乾、坎方，戌、亥、子、丑时。(吉凶不成)\r\n", "坤方，申、酉时。(吉凶不成)\r\n",
        "离方，午、未时。(吉凶不成)\r\n", "巽方，辰、巳时。(吉凶不成)\r\n", "震方，寅、卯时。(吉凶不成)\r\n"};
    // Indexed by stem code 0 癸 … 9 壬.
    static constexpr std::array<std::string_view, 10> kNobleman = {
        "卯、巳。", "丑、未。", "子、申。", "酉、亥。", "酉、亥。",
        "丑、未。", "子、申。", "丑、未。", "寅、午。", "卯、巳。"};
    static constexpr std::array<std::string_view, 12> kDaySpirit = {
        "青龙黄道", "明堂黄道", "天刑黑道", "朱雀黑道", "金匮黄道", "天德黄道",
        "白虎黑道", "玉堂黄道", "天牢黑道", "玄武黑道", "司命黄道", "勾陈黑道"};
    // The branch of 青龙黄道 by day branch mod 6: 巳亥 午, 子午 申, 丑未 戌,
    // 寅申 子, 卯酉 寅, 辰戌 辰.
    static constexpr std::array<int, 6> kAzureDragonBranch = {7, 9, 11, 1, 3, 5};

    int s = stemOf(record.dayGZ);
    int b = branchOf(record.dayGZ);
    std::string& out = record.chartText;
    out += "\r\n喜神方位：";
    out += kJoyDirection[static_cast<std::size_t>(s % 5)];
    out += "天乙贵人：";
    out += kNobleman[static_cast<std::size_t>(s)];
    out += "(逢凶化吉)\r\n";
    out += "截路空亡：";
    out += kBlockedRoad[static_cast<std::size_t>(s % 5)];
    out += "十二黑黄道：(黄道吉，黑道凶)\r\n";
    int k = kAzureDragonBranch[static_cast<std::size_t>(b % 6)];
    for (int i = 0; i < 12; ++i) {
        int branch = (i + 1) % 12;  // 子 丑 … 戌 亥
        out += chart::branchText(branch);
        out += "-";
        out += kDaySpirit[static_cast<std::size_t>(positiveMod(branch - k, 12))];
        out += "\r\n";
    }
    out += "★以上神煞用事时辰或方位临之，吉神主吉，凶神主凶。";
    out += "\r\n注：日家奇门应用于预测一天所发生的事情。";
}

}  // namespace qimen::render
