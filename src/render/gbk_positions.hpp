// Landmark positions of a UTF-8 text counted in its GBK bytes: the output
// pane's searches start at GBK byte offsets and select GBK byte lengths,
// and this maps them onto the characters of the UTF-8 text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "render/styled_text.hpp"

namespace qimen::render {

class GbkPositions {
public:
    // Indexes a UTF-8 text. A character without a GBK form counts two bytes
    // and matches no search.
    explicit GbkPositions(std::string_view utf8);

    // Length of the text in GBK bytes.
    std::size_t gbkSize() const { return gbk_.size(); }

    // GBK byte offset of the first match of `needle` (UTF-8) that starts on
    // a character at or after byte `from`; matches are whole characters, so
    // the trail byte of one character and the lead of the next never match.
    // Empty when there is none or the needle has no GBK form.
    std::optional<std::size_t> find(std::string_view needle, std::size_t from) const;

    // The characters that start inside GBK bytes [start, start + length),
    // clipped to the text, as a range in UTF-8 bytes and in characters. The
    // attribute fields are left empty for the caller.
    StyledRange select(std::size_t start, std::size_t length) const;

private:
    std::string gbk_;
    std::vector<std::uint32_t> charOfByte_;    // GBK byte → index of its character
    std::vector<std::uint32_t> gbkStart_;      // character → first GBK byte; one past the end last
    std::vector<std::uint32_t> utf8Start_;     // character → first UTF-8 byte; one past the end last
};

}  // namespace qimen::render
