// Composition of the judgement's texts.
#include "judgement/judgement_text.hpp"

#include "chart/vocabulary.hpp"
#include "knowledge/knowledge_base.hpp"
#include "search/travel_formula.hpp"

namespace qimen::judgement {
namespace {

constexpr std::string_view kEnd = "\r\n";

std::string palaceLabel(chart::Palace palace) { return std::string(chart::palaceLabelText(chart::homeOfPalace(palace))); }

void appendPlaces(std::string& out, const Judgement& judgement) {
    out += "取用：";
    bool first = true;
    for (const PlacedElement& e : judgement.elements) {
        if (!first) out += "；";
        first = false;
        out += e.name;
        if (e.hiddenJia) {
            out += "（遁于";
            out += chart::stemText(e.stem);
            out += "）";
        }
        out += "为" + e.meaning;
        out += e.palace == 0 ? std::string("，不现于本盘") : "，落" + palaceLabel(e.palace);
    }
    out += "。";
    out += kEnd;
}

void appendDirection(std::string& out, std::string_view label, const Direction& d) {
    out += label;
    out += chart::directionText(chart::homeOfPalace(d.palace));
    out += "（" + palaceLabel(d.palace);
    for (std::size_t i = 0; i < d.items.size(); ++i) out += (i == 0 ? "：" : "、") + d.items[i];
    out += "）";
}

}  // namespace

std::string judgementText(const Judgement& judgement) {
    std::string out = "本盘断语：";
    out += verdictText(judgement.verdict);
    out += kEnd;
    appendPlaces(out, judgement);
    for (const Reason& reason : judgement.reasons) {
        out += reason.feature == Feature::Cap ? "◆" : reason.weight > 0 ? "○" : reason.weight < 0 ? "●" : "◇";
        out += reason.text;
        out += kEnd;
    }
    if (!judgement.timing.empty()) {
        out += "应期：";
        out += judgement.timing;
        out += kEnd;
    }
    if (judgement.best && judgement.worst) {
        out += "出行方位：";
        appendDirection(out, "宜向", *judgement.best);
        out += "；";
        appendDirection(out, "忌向", *judgement.worst);
        out += kEnd;
    }
    return out;
}

std::string topicGuide(const chart::ChartRecord& chart, Topic topic) {
    if (topic == Topic::Travel) {
        std::string guide = "【出行密诀】\r\n";
        guide += knowledge::lookupText(knowledge::travelFormulaId(search::travelNumber(chart.dayGZ, chart.hourGZ)));
        return guide;
    }
    const knowledge::TextPair ids = knowledge::topicGuideIds(topicIndex(topic));
    std::string guide(knowledge::lookupText(ids.first));
    guide += knowledge::lookupText(ids.second);
    return guide;
}

Expected<std::string> topicMemo(const chart::ChartRecord& chart, Topic topic) {
    Expected<Judgement> judgement = judgeTopic(chart, topic);
    if (!judgement) return fail(judgement.message());
    std::string memo = topicGuide(chart, topic);
    memo += "\r\n\r\n";
    memo += judgementText(*judgement);
    return memo;
}

std::string matterJudgementText(const chart::ChartRecord& chart) {
    std::optional<Topic> topic = topicNamedIn(chart.matter);
    if (!topic) return {};
    Expected<Judgement> judgement = judgeTopic(chart, *topic);
    if (!judgement) return {};
    std::string out = "\r\n所问：";
    out += topicName(*topic);
    out += kEnd;
    out += judgementText(*judgement);
    return out;
}

}  // namespace qimen::judgement
