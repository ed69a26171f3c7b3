// Terminal rendering of a styled chart text: colours and bold as ANSI SGR
// escapes for the command-line tool.
#pragma once

#include <string>

#include "render/styled_text.hpp"

namespace qimen::cli {

// The text with its ranges applied in order and written as SGR escapes: red
// 31, blue 34, any other colour as 24-bit 38;2;r;g;b, bold 1. Size changes
// have no terminal form and are dropped. Every styled run is closed with
// "\x1b[0m" before a line break and reopened after it, so each line stands
// on its own. Text bytes are kept as they are (CR LF included).
std::string renderAnsi(const render::StyledText& styled);

}  // namespace qimen::cli
