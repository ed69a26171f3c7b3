// The text a topic button puts in the window's memo: the topic judge's
// guide for the last chart laid, then the judgement of that chart. The
// window owns one analysis::TopicJudge, which keeps the copy of the last
// chart; this is the one call its eight topic buttons make.
#pragma once

#include "analysis/topic_judge.hpp"
#include "base/expected.hpp"
#include "judgement/topics.hpp"

namespace qimen::judgement {

// The memo text of a topic button: the guide (the judge's own for 求财 …
// 天气, the travel-formula verse for 出行), a blank line and the
// "本盘断语：" block. Refused with kTopicRefusal when the last chart was not
// a rotating-plate hour chart.
Expected<std::string> topicButtonMemo(analysis::TopicJudge& judge, Topic topic);

// The chart record the judge's snapshot describes, with its plate echo
// found again from the cells (the snapshot does not keep it).
chart::ChartRecord recordOfSnapshot(const analysis::ChartSnapshot& snapshot);

}  // namespace qimen::judgement
