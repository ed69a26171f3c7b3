// Conversion between the output pane's QTextDocument and the rich-text model
// that commentary files, RTF and the workflows exchange. One paragraph of the
// document is one line of the model; the model's CR LF is the paragraph
// break. A style's empty family means the document's own font.
#pragma once

#include <QFont>
#include <QTextDocument>
#include <QTextCharFormat>

#include "cases/rich_text.hpp"

namespace qimen::app {

// Pixels of paragraph indent per twip (the pane's 96 dots per inch).
inline constexpr double kPixelsPerTwip = 96.0 / 1440.0;

// Replaces the document's content with `text`. The document's default font
// stays as it is and serves runs without a family.
void fillDocument(QTextDocument& document, const cases::RichText& text);

// The document as rich text: the text with CR LF between paragraphs, runs of
// every style other than TextStyle{} (black, plain, 12 pt, the document's
// font), and the first paragraph's indent.
cases::RichText documentRichText(const QTextDocument& document);

// The character format of a style over a document whose default font is
// `documentFont`.
QTextCharFormat charFormatOf(const cases::TextStyle& style);
cases::TextStyle styleOf(const QTextCharFormat& format, const QFont& documentFont);

}  // namespace qimen::app
