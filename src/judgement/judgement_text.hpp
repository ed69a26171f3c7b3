// The judgement as the user reads it: the "本盘断语：" block, the topic
// memo (the topic's guide followed by the block) and the block the chart
// analysis gains when the matter asked names a topic. Texts are UTF-8 with
// CR LF line ends, like every chart text.
#pragma once

#include <string>

#include "base/expected.hpp"
#include "chart/chart_record.hpp"
#include "judgement/judge.hpp"
#include "judgement/topics.hpp"

namespace qimen::judgement {

// "本盘断语：凶" and below it the elements' places ("取用：…"), one line
// per reason ("○" favourable, "●" unfavourable, "◇" weighing nothing, "◆"
// a ceiling), the timing hint ("应期：…") and for travel the directions
// ("出行方位：宜向…；忌向…"). Every line ends with CR LF.
std::string judgementText(const Judgement& judgement);

// The guide of a topic for a chart, as the topic buttons show it: the two
// halves of the topic's guide, or for travel the heading "【出行密诀】" and
// the travel-formula verse of the chart's day and hour.
std::string topicGuide(const chart::ChartRecord& chart, Topic topic);

// The guide, a blank line and the judgement block; refused like
// judgeTopic.
Expected<std::string> topicMemo(const chart::ChartRecord& chart, Topic topic);

// What the analysis of a chart gains for the matter asked: when the
// record's matter names a topic and the chart can be judged, a blank line,
// "所问：<topic>" and the judgement block; otherwise the empty text.
std::string matterJudgementText(const chart::ChartRecord& chart);

}  // namespace qimen::judgement
