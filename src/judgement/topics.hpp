// The matters a chart is judged for: the seven topics of the toolbar and
// travel (出行), their names, and which of them a matter text names.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace qimen::judgement {

// Topic numbers 0..6 are those of the topic guides (求财 … 天气); travel
// comes last and has no guide of its own.
enum class Topic : std::uint8_t { Wealth, Marriage, Illness, Work, Exam, Lawsuit, Weather, Travel };

inline constexpr int kTopicCount = 8;
inline constexpr std::array<std::string_view, kTopicCount> kTopicNames = {"求财", "婚姻", "疾病", "工作",
                                                                          "考试", "诉讼", "天气", "出行"};

constexpr int topicIndex(Topic topic) { return static_cast<int>(topic); }
constexpr std::string_view topicName(Topic topic) { return kTopicNames[static_cast<std::size_t>(topic)]; }

// The topic of exactly this name, or none.
std::optional<Topic> topicOfName(std::string_view name);

// The topic whose name appears earliest in a matter text ("月底出行求财" →
// 出行), or none when the text names no topic.
std::optional<Topic> topicNamedIn(std::string_view matter);

}  // namespace qimen::judgement
