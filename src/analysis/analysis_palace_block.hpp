// One palace's block of the comprehensive analysis: heading, door, relation
// of door and palace, star, deity, the stem, door and wonder combinations and
// the pattern comments, each quoted from the knowledge base.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "chart/chart_record.hpp"
#include "knowledge/knowledge_base.hpp"
#include "patterns/pattern_detector.hpp"

namespace qimen::analysis {

// Which of the two analyses is written: Full for rotating-plate hour and
// yin-plate charts, Short for month and year charts (no 五不遇时, no door,
// star and deity sections, a closing note).
enum class AnalysisVariant { Full, Short };

// Where the analysis takes its texts from; lookupText unless a test swaps it.
using TextSource = std::function<std::string_view(knowledge::TextId)>;

// Minimum GBK lengths below which a quoted combination is left out; the
// knowledge base's one-space placeholders always fall below.
inline constexpr std::size_t kStemPairMinBytes = 5;
inline constexpr std::size_t kDoorTextMinBytes = 6;
inline constexpr std::size_t kWonderMinBytes = 6;
inline constexpr std::size_t kPatternCommentMinBytes = 6;

// "[%s宫-%s方]\r\n" with the palace name and direction of a HomeCode 0..8.
std::string palaceHeading(chart::HomeCode home);

// Appends to `out` the block of palace 1..9 (not 5) of a laid chart, without
// the blank line that separates blocks. `findings` are the palace's patterns.
// Missing texts read as empty; stems outside 0..9 quote nothing.
void appendPalaceBlock(std::string& out, const chart::ChartRecord& chart, int palace,
                       const patterns::PalaceFindings& findings, AnalysisVariant variant, const TextSource& text);

}  // namespace qimen::analysis
