// StyledText: a text with ranges of colour, weight and size — the chart text
// as the output pane shows it, and what a commentary file holds.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace qimen::cases {

struct TextStyle {
    std::uint32_t colour = 0;  // 0xRRGGBB
    bool bold = false;
    int halfPoints = 24;  // font size in half points (24 = 12 pt)

    friend bool operator==(const TextStyle&, const TextStyle&) = default;
};

// A range of the text in bytes of its UTF-8 form.
struct StyledRange {
    std::size_t begin = 0;
    std::size_t length = 0;
    TextStyle style;

    friend bool operator==(const StyledRange&, const StyledRange&) = default;
};

struct StyledText {
    std::string text;  // UTF-8; lines end in "\r\n"
    // Ranges in ascending order, not overlapping; text outside them has the
    // default style.
    std::vector<StyledRange> ranges;

    friend bool operator==(const StyledText&, const StyledText&) = default;
};

}  // namespace qimen::cases
