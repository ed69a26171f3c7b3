// Captions and details of the boundary warnings.
#include "boundary/warning_details.hpp"

#include "chart/vocabulary.hpp"

namespace qimen::boundary {

std::string_view boundaryKindCaption(BoundaryKind kind) {
    switch (kind) {
        case BoundaryKind::SolarTerm: return "交节";
        case BoundaryKind::LateZiHour: return "夜子时";
        case BoundaryKind::TrueSolarTime: return "真太阳时";
        case BoundaryKind::DaylightSaving: return "夏令时";
        case BoundaryKind::LunarMonthStart: return "农历月首";
    }
    return "";
}

std::vector<std::string> numbersLines(const ChartNumbers& n) {
    std::vector<std::string> lines{"钟点：" + momentText(n.clockDate)};
    // Without true solar time a compute date apart from the clock is only
    // the minute the other reading keeps for the hour, not a time to name.
    if (n.trueSolarTime && !(n.computeDate == n.clockDate)) lines.push_back("真太阳时：" + momentText(n.computeDate));
    lines.push_back("农历：" + lunarText(n.lunarDate, true));
    lines.push_back("四柱：" + chart::ganZhiText(n.yearGZ) + "年 " + chart::ganZhiText(n.monthGZ) + "月 " +
                    chart::ganZhiText(n.dayGZ) + "日 " + chart::ganZhiText(n.hourGZ) + "时");
    if (n.hasDun) lines.push_back("遁局：" + dunJuText(n));
    if (n.hasMonthGeneral) lines.push_back("月将：" + std::string(chart::branchText(n.monthGeneral)));
    return lines;
}

std::string warningDetails(const BoundaryWarning& warning, const ChartNumbers& charted) {
    std::string text = warning.text + "\n";
    if (!warning.alternative) return text;
    auto block = [&](const char* title, const ChartNumbers& numbers) {
        text += std::string("\n") + title + "\n";
        for (const std::string& line : numbersLines(numbers)) text += "　　" + line + "\n";
    };
    block("本盘：", charted);
    block("另一读法：", *warning.alternative);
    return text;
}

}  // namespace qimen::boundary
