// The chart text as the output pane shows it: UTF-8 text, the paragraph
// indent and the attribute changes the formatter made on ranges of it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qimen::render {

inline constexpr std::uint32_t kBlue = 0x0000FF;  // 0xRRGGBB
inline constexpr std::uint32_t kRed = 0xFF0000;

// One attribute change over a range of the text. Ranges are applied in
// their order and may overlap: a later range overrides what it sets and
// keeps what it does not (a size change under a later colour keeps both).
// Positions are given twice: UTF-8 byte offsets into `text`, and character
// (code point) offsets for panes that count characters.
struct StyledRange {
    std::size_t start = 0;       // UTF-8 bytes
    std::size_t length = 0;      // UTF-8 bytes
    std::size_t charStart = 0;   // code points
    std::size_t charLength = 0;  // code points
    std::optional<std::uint32_t> colour;  // 0xRRGGBB, unchanged when empty
    bool bold = false;                    // set bold; false leaves it as it is
    int sizeDelta = 0;                    // points relative to the pane's font size
    std::optional<std::string> family;    // font family (UTF-8), unchanged when empty
    bool italic = false;                  // set italic; false leaves it as it is
    bool underline = false;               // set underline; false leaves it as it is

    friend bool operator==(const StyledRange&, const StyledRange&) = default;
};

struct StyledText {
    std::string text;  // UTF-8, lines end in "\r\n"
    std::vector<StyledRange> ranges;
    int indent = 0;    // first-line indent of every paragraph (setting ileft)

    friend bool operator==(const StyledText&, const StyledText&) = default;
};

}  // namespace qimen::render
