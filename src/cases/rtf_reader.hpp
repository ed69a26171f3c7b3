// Reads rich text (RTF) into a RichText: the commentary files this program
// writes and the plain rich text of common editors — text, paragraphs, tabs,
// font, bold, italic, underline, colour, size, the first-line indent,
// code-page bytes (GBK for code page 936) and Unicode escapes. Pictures, tables and every other unknown
// construct are skipped; nothing in the input is fatal.
#pragma once

#include <string>
#include <string_view>

#include "cases/rich_text.hpp"

namespace qimen::cases {

struct RtfReadResult {
    RichText text;
    bool isRtf = true;  // false when the input does not start with "{\rtf"
};

// Never throws on content and never recurses: nesting is kept in a bounded
// stack, so hostile input costs time linear in its size.
RtfReadResult readRtf(std::string_view rtf);

}  // namespace qimen::cases
