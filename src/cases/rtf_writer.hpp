// Writes a RichText as rich text (RTF) for the commentary files: the text in
// GBK (code page 936) with a Unicode form of every Chinese character beside
// it, so that the desktop pane and common word processors read it alike.
#pragma once

#include <string>

#include "cases/rich_text.hpp"

namespace qimen::cases {

// The RTF document (7-bit ASCII). `fontName` is the font of the whole text.
// Characters without a GBK form are written by their Unicode form alone.
std::string writeRtf(const RichText& text, const std::string& fontName = "宋体");

}  // namespace qimen::cases
