// Group counting and the pattern names of the condition lists.
#include "search/search_conditions.hpp"

#include "patterns/pattern_codes.hpp"

namespace qimen::search {

int activeGroupCount(const SearchConditions& c) {
    int groups = 0;
    for (std::uint8_t value : {c.deityCount, c.starCount, c.heavenStemCount, c.doorCount, c.earthStemCount,
                               c.leaderChoiceCount, c.goodPatternCount, c.badPatternCount,
                               c.wantedLeaderStarPalace, c.wantedLeaderDoorPalace})
        if (value != 0) ++groups;
    return groups;
}

std::string_view goodPatternName(int index) { return patterns::patternName(index); }

std::string_view badPatternName(int index) { return patterns::patternName(patterns::kInauspiciousBase + index); }

}  // namespace qimen::search
