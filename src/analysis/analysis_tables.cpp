// The state-text entry and the verdict lines of the comprehensive analysis.
#include "analysis/analysis_tables.hpp"

namespace qimen::analysis {

std::string_view stateEntry(std::string_view stateText, int n) {
    constexpr std::string_view kSemicolon = "；";
    std::size_t start = 0;
    for (int entry = 1; entry <= n; ++entry) {
        std::size_t end = stateText.find(kSemicolon, start);
        if (end == std::string_view::npos) return {};
        if (entry == n) return stateText.substr(start, end - start);
        start = end + kSemicolon.size();
    }
    return {};
}

int verdictLevel(int sum) {
    if (sum <= -15) return -2;
    if (sum <= -5) return -1;
    if (sum <= 5) return 0;
    if (sum <= 14) return 1;
    return 2;
}

std::string_view verdictLine(int sum) {
    static constexpr std::string_view kLines[5] = {"大凶。\r\n", "凶。\r\n", "平平。\r\n", "吉。\r\n", "大吉。\r\n"};
    return kLines[verdictLevel(sum) + 2];
}

}  // namespace qimen::analysis
