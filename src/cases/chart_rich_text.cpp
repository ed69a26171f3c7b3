// Resolution of overlapping attribute changes: the edges of every range cut
// the text into segments, each range then updates the segments it covers in
// its order, and equal neighbours are merged back into runs.
#include "cases/chart_rich_text.hpp"

#include <algorithm>
#include <vector>

namespace qimen::cases {
namespace {

constexpr int kMinPoints = 1;
constexpr int kMaxPoints = 1638;  // the largest size RTF's \fs can express

bool isContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The first position ≥ p (clamped to the text) where a character begins; the
// LF of a CR LF pair belongs to its CR.
std::size_t nextCharacterStart(const std::string& text, std::size_t p) {
    p = std::min(p, text.size());
    while (p < text.size() && (isContinuationByte(text[p]) || (text[p] == '\n' && p > 0 && text[p - 1] == '\r'))) ++p;
    return p;
}

int halfPointsOf(int points) { return 2 * std::clamp(points, kMinPoints, kMaxPoints); }

}  // namespace

RichText richTextFromChartOutput(const render::StyledText& chart, int paneFontPoints) {
    const std::string& text = chart.text;
    RichText rich;
    rich.text = text;
    rich.firstLineIndent = chart.indent * kTwipsPerIndentUnit;
    const int basePoints = std::clamp(paneFontPoints, kMinPoints, kMaxPoints);
    if (text.empty()) return rich;

    struct Span {
        std::size_t begin, end;
    };
    std::vector<Span> spans;
    spans.reserve(chart.ranges.size());
    std::vector<std::size_t> edges{0, text.size()};
    for (const auto& range : chart.ranges) {
        std::size_t begin = nextCharacterStart(text, range.start);
        std::size_t end = range.start >= text.size()
                              ? text.size()
                              : nextCharacterStart(text, range.start + std::min(range.length, text.size() - range.start));
        spans.push_back({begin, end});
        edges.push_back(begin);
        edges.push_back(end);
    }
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());

    // styles[k] is the style of the segment [edges[k], edges[k + 1]).
    TextStyle pane;
    pane.halfPoints = halfPointsOf(basePoints);
    std::vector<TextStyle> styles(edges.size() - 1, pane);
    auto segmentAt = [&](std::size_t position) {
        return static_cast<std::size_t>(std::lower_bound(edges.begin(), edges.end(), position) - edges.begin());
    };
    for (std::size_t r = 0; r < chart.ranges.size(); ++r) {
        const auto& range = chart.ranges[r];
        if (spans[r].begin >= spans[r].end) continue;
        for (std::size_t k = segmentAt(spans[r].begin), last = segmentAt(spans[r].end); k < last; ++k) {
            if (range.colour) styles[k].colour = *range.colour & 0xFFFFFF;
            if (range.bold) styles[k].bold = true;
            if (range.sizeDelta != 0) styles[k].halfPoints = halfPointsOf(basePoints + range.sizeDelta);
            if (range.family) styles[k].family = *range.family;
            if (range.italic) styles[k].italic = true;
            if (range.underline) styles[k].underline = true;
        }
    }

    for (std::size_t k = 0; k < styles.size(); ++k) {
        std::size_t begin = edges[k], length = edges[k + 1] - edges[k];
        if (!rich.runs.empty() && rich.runs.back().style == styles[k] &&
            rich.runs.back().begin + rich.runs.back().length == begin) {
            rich.runs.back().length += length;
        } else if (!(styles[k] == TextStyle{})) {
            rich.runs.push_back({begin, length, styles[k]});
        }
    }
    return rich;
}

}  // namespace qimen::cases
