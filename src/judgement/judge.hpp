// The judgement of one matter on a laid rotating-plate hour chart: each
// element of the topic located, every feature the rules weigh found and
// weighed, the sum turned into a verdict (大吉 吉 平 凶 大凶) with its
// reasons, a timing hint and, for travel, the best and worst directions.
//
// Data flow: ChartRecord → ChartFacts (places, detector findings, marks,
// echoes) → reasons per element by the RuleBook → sum → thresholds and
// ceilings → Judgement → judgementText (judgement_text.hpp).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/expected.hpp"
#include "chart/chart_record.hpp"
#include "judgement/rule_book.hpp"
#include "patterns/pattern_codes.hpp"
#include "analysis/topic_judge.hpp"

namespace qimen::judgement {

// An element of the topic on this chart.
struct PlacedElement {
    Thing thing;
    std::string name;     // display name: "生门", "日干庚"
    Role role = Role::Useful;
    std::string meaning;  // 义
    chart::Palace palace = 0;  // 0: not on this plate
    calendar::StemCode stem = chart::kNoStem;  // the plate stem of 日干 or 时干
    bool hiddenJia = false;  // 日干 or 时干 of a 甲 pillar, read as its instrument
};

// One reason of the verdict: which feature of which element, in which
// palace, what it weighs, and its line "描述：效果".
struct Reason {
    Feature feature = Feature::Wang;
    int element = -1;              // index into Judgement::elements; −1 for the whole chart
    chart::Palace palace = 0;      // the element's palace; 0 for the whole chart
    int counterpart = -1;          // relations: the element compared with
    std::optional<Thing> companion;  // 同宫: the thing sharing the palace
    patterns::PatternCode pattern = -1;  // patterns: the detector's code
    calendar::StemCode stem = chart::kNoStem;  // 击刑: the punished stem
    int weight = 0;                // 0 for a ceiling
    std::string text;
};

// A direction of travel: its palace, its sum and the items that made it
// (those of the sign that decided: the good ones of the best direction,
// the bad ones of the worst).
struct Direction {
    chart::Palace palace = 0;
    int score = 0;
    std::vector<std::string> items;
};

struct Judgement {
    Topic topic = Topic::Wealth;
    Verdict verdict = Verdict::Even;
    int score = 0;  // the sum of the reasons' weights
    std::vector<PlacedElement> elements;
    std::vector<Reason> reasons;
    std::string timing;  // "应期：…" without the label; empty when none applies
    std::optional<Direction> best, worst;  // travel only
};

// The refusal for a chart other than a rotating-plate hour chart: the topic
// guides' own.
inline constexpr std::string_view kJudgementRefusal = analysis::kTopicRefusal;

// Judges the topic on a laid chart with the built-in rules. Refuses with
// kJudgementRefusal unless the chart is an hour chart (method 0 or 250)
// laid on the rotating plate (setting pan 0), and with the rule file's
// fault if the built-in rules could not be read.
Expected<Judgement> judgeTopic(const chart::ChartRecord& chart, Topic topic);
// The same with a given rule book (tests).
Expected<Judgement> judgeTopic(const chart::ChartRecord& chart, Topic topic, const RuleBook& rules);

}  // namespace qimen::judgement
