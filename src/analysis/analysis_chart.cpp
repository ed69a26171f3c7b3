// Scoring, pattern lists and composition of the comprehensive analysis.
#include "analysis/analysis_chart.hpp"

#include <cstdio>

#include "analysis/analysis_tables.hpp"
#include "knowledge/knowledge_base.hpp"
#include "patterns/pattern_codes.hpp"

namespace qimen::analysis {
using namespace knowledge;
using namespace patterns;

namespace {

constexpr std::string_view kOpening =
    "\r\n※综合分析整个遁甲盘，考量了吉、凶格局，每宫的星、门、神、奇仪的组合关系，判断此盘：";
constexpr std::string_view kMonthNote =
    "注：月家奇门是用来预测一个月内所发生的事，常用于进京赶考、外出做官、经商出行以及玄空风水等方面的预测择吉之用。"
    "正常来说，得三奇、吉门、吉星等旺相者为吉，反之，则为凶也！";
constexpr std::string_view kYearNote = "注：年家奇门主要是应用于国家大事和年内吉凶的预测。";

constexpr int kBlockPalaces[8] = {1, 2, 3, 4, 6, 7, 8, 9};

const TextSource& knowledgeBase() {
    static const TextSource source = [](TextId id) { return lookupText(id); };
    return source;
}

}  // namespace

std::optional<AnalysisVariant> analysisVariantOf(const chart::ChartRecord& chart) {
    switch (chart.method) {
    case chart::ChartMethod::Hour:
    case chart::ChartMethod::GivenJuHour:
        if (chart.settings.pan == 0) return AnalysisVariant::Full;
        return std::nullopt;
    case chart::ChartMethod::YinPlate: return AnalysisVariant::Full;
    case chart::ChartMethod::Month:
    case chart::ChartMethod::Year: return AnalysisVariant::Short;
    default: return std::nullopt;
    }
}

ChartScore scoreChart(const chart::ChartRecord& chart, AnalysisVariant variant) {
    ChartScore result;
    detectChartPatterns(chart, result.findings);
    for (int g = 0; g < 9; ++g)
        if (g != chart::kCentreCell) result.total += result.findings[static_cast<std::size_t>(g)].score;
    if (variant == AnalysisVariant::Full &&
        isFiveNonMeetingHour(calendar::stemOf(chart.dayGZ), calendar::stemOf(chart.hourGZ))) {
        result.fiveNonMeeting = true;
        result.total -= 1;
    }
    return result;
}

std::string composeAnalysis(const chart::ChartRecord& chart, AnalysisVariant variant, const TextSource& text) {
    const ChartScore score = scoreChart(chart, variant);

    std::string good = "吉格：";
    std::string bad = "凶格：";
    if (score.fiveNonMeeting) bad += "五不遇时,";
    for (int g = 0; g < 9; ++g) {
        if (g == chart::kCentreCell) continue;
        const int palace = chart::palaceOfCell(g);
        for (PatternCode code : score.findings[static_cast<std::size_t>(g)].found()) {
            std::string& list = isAuspiciousPattern(code) ? good : bad;
            list += patternName(code);
            char number[16];
            std::snprintf(number, sizeof number, "(%d宫),", palace);
            list += number;
        }
    }

    std::string out;
    out.reserve(8192);
    out += kOpening;
    out += verdictLine(score.total);
    out += good;
    out += "\r\n";
    out += bad;
    out += "\r\n\r\n";
    for (int palace : kBlockPalaces) {
        appendPalaceBlock(out, chart, palace, score.findings[chart::cellOfPalace(palace)], variant, text);
        out += "\r\n";
    }
    if (variant == AnalysisVariant::Short) out += chart.method == chart::ChartMethod::Month ? kMonthNote : kYearNote;
    return out;
}

std::string baojianQuote(const chart::ChartRecord& chart, const TextSource& text) {
    const TextPair ids =
        baojianIds(calendar::stemOf(chart.dayGZ), calendar::branchOf(chart.hourGZ), chart.yangDun, chart.ju);
    // Each quoted text stands on its own lines. The knowledge store keeps no
    // line break at the end of a text, so the quote supplies it.
    std::string quote = "御定奇门宝鉴：\r\n";
    for (TextId id : {ids.first, ids.second}) {
        std::string_view part = text(id);
        quote += part;
        if (!part.empty() && !part.ends_with("\r\n")) quote += "\r\n";
    }
    return quote;
}

void analyseChartFull(chart::ChartRecord& chart, const TextSource& text) {
    chart.memoText = composeAnalysis(chart, AnalysisVariant::Full, text);
    chart.chartText += chart.memoText;
    if (chart.settings.baojian) {
        std::string quote = baojianQuote(chart, text);
        chart.chartText += quote;
        chart.memoText += quote;
    }
}

void analyseChartShort(chart::ChartRecord& chart, const TextSource& text) {
    chart.memoText = composeAnalysis(chart, AnalysisVariant::Short, text);
    chart.chartText += chart.memoText;
}

void analyseChartFull(chart::ChartRecord& chart) { analyseChartFull(chart, knowledgeBase()); }
void analyseChartShort(chart::ChartRecord& chart) { analyseChartShort(chart, knowledgeBase()); }

void appendBaojianQuote(chart::ChartRecord& chart) {
    std::string quote = baojianQuote(chart, knowledgeBase());
    chart.chartText += quote;
    chart.memoText += quote;
}

}  // namespace qimen::analysis
