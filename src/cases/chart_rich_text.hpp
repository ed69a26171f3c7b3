// The chart text as a commentary file holds it: the chart driver's styled
// text (attribute changes applied in order, overlapping) resolved into the
// non-overlapping runs of complete styles that the RTF writer takes.
#pragma once

#include "cases/rich_text.hpp"
#include "render/styled_text.hpp"

namespace qimen::cases {

// Twips of first-line indent per unit of the chart's indent setting (a pixel
// of the pane at 96 dots per inch).
inline constexpr int kTwipsPerIndentUnit = 15;

// Resolves `chart` over a pane whose font is `paneFontPoints` points (the
// window settings' font size; clamped to 1..1638). Every character starts in
// the pane's style — black, not bold, the pane's size — and each range then
// changes what it sets, in order: a colour replaces the colour, a family the
// family, bold, italic and underline set themselves, and a non-zero size
// delta sets the size to the pane's size plus the delta (clamped to 1..1638
// points). A character takes a range's change when its
// first byte lies inside the range: edges inside a UTF-8 sequence or between
// the CR and LF of a line end move forward to the next character, and ranges
// past the end of the text are cut there. Equal neighbouring runs are merged
// and no run is made for text in the default style TextStyle{}. The indent
// becomes firstLineIndent (kTwipsPerIndentUnit twips each).
RichText richTextFromChartOutput(const render::StyledText& chart, int paneFontPoints);

}  // namespace qimen::cases
