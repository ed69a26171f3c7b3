// Helpers of the judgement tests: the rotating-plate hour chart of a moment
// with the shipped settings, and a compact form of a judgement's reasons
// that a test can list by hand.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "chart/chart.hpp"
#include "judgement/judge.hpp"
#include "patterns/pattern_codes.hpp"

namespace qimen::judgement::testing {

// The chart the window lays for a moment with the shipped settings (拆补法,
// rotating plate, no true solar time).
inline std::unique_ptr<chart::ChartRecord> hourChart(calendar::CivilDateTime moment) {
    auto record = std::make_unique<chart::ChartRecord>();
    chart::setChartMoment(*record, moment, moment);
    chart::computeHourChart(*record);
    return record;
}

// One reason as "element feature(detail) weight": "生门 宫迫 -2",
// "生门 与对同宫(日干庚) +2", "生门 同宫(庚) -2", "生门 凶格(悖格) -1",
// "生门 击刑(戊) -2", "局 伏吟 -1", "戊 上限".
inline std::string signatureOf(const Judgement& j, const Reason& r) {
    std::string s = r.element >= 0 ? j.elements[static_cast<std::size_t>(r.element)].name : "局";
    s += " ";
    s += featureKey(r.feature);
    // Appended piece by piece: chained std::string sums trip a false
    // -Wrestrict warning of GCC 12.
    auto detail = [&s](std::string_view text) {
        s += "(";
        s += text;
        s += ")";
    };
    if (r.counterpart >= 0) detail(j.elements[static_cast<std::size_t>(r.counterpart)].name);
    if (r.companion) detail(thingName(*r.companion));
    if (r.pattern >= 0) detail(patterns::patternName(r.pattern));
    if (r.stem != chart::kNoStem) detail(chart::stemText(r.stem));
    if (r.feature == Feature::Cap) return s;
    s += r.weight > 0 ? " +" : " ";
    s += std::to_string(r.weight);
    return s;
}

inline std::vector<std::string> signatures(const Judgement& j) {
    std::vector<std::string> all;
    for (const Reason& r : j.reasons) all.push_back(signatureOf(j, r));
    return all;
}

}  // namespace qimen::judgement::testing
