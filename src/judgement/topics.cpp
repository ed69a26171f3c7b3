// Topic names and the topic a matter text names.
#include "judgement/topics.hpp"

namespace qimen::judgement {

std::optional<Topic> topicOfName(std::string_view name) {
    for (int t = 0; t < kTopicCount; ++t)
        if (kTopicNames[static_cast<std::size_t>(t)] == name) return static_cast<Topic>(t);
    return std::nullopt;
}

std::optional<Topic> topicNamedIn(std::string_view matter) {
    std::optional<Topic> first;
    std::size_t firstAt = std::string_view::npos;
    for (int t = 0; t < kTopicCount; ++t) {
        std::size_t at = matter.find(kTopicNames[static_cast<std::size_t>(t)]);
        if (at < firstAt) {
            firstAt = at;
            first = static_cast<Topic>(t);
        }
    }
    return first;
}

}  // namespace qimen::judgement
