// RichText: a text resolved into runs of complete styles (font, colour,
// weight, slant, underline, size) — what a commentary file holds and what
// the RTF writer and reader exchange. The chart's own styled text (render::StyledText, overlapping
// attribute changes) becomes one through richTextFromChartOutput.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace qimen::cases {

struct TextStyle {
    std::uint32_t colour = 0;  // 0xRRGGBB; 0 is the default (black)
    bool bold = false;
    int halfPoints = 24;  // font size in half points (24 = 12 pt)
    std::string family;   // font family (UTF-8); empty is the document's font
    bool italic = false;
    bool underline = false;

    friend bool operator==(const TextStyle&, const TextStyle&) = default;
};

// A run of the text in bytes of its UTF-8 form, with its whole style.
struct RichRun {
    std::size_t begin = 0;
    std::size_t length = 0;
    TextStyle style;

    friend bool operator==(const RichRun&, const RichRun&) = default;
};

struct RichText {
    std::string text;  // UTF-8; lines end in "\r\n"
    // Runs in ascending order, not overlapping; text outside them has the
    // default style TextStyle{}.
    std::vector<RichRun> runs;
    // First-line indent of every paragraph, in twips (1/1440 inch); the
    // first \fi of a document read gives it.
    int firstLineIndent = 0;

    friend bool operator==(const RichText&, const RichText&) = default;
};

}  // namespace qimen::cases
