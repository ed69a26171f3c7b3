// QTextDocument <-> RichText: runs become character formats of inserted
// fragments, fragments become runs again (equal neighbours merged).
#include "rich_document.hpp"

#include <QTextBlock>
#include <QTextCursor>
#include <cmath>

namespace qimen::app {
namespace {

QString withoutCarriageReturns(std::string_view utf8) {
    QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    text.remove(QLatin1Char('\r'));
    return text;
}

void appendRun(cases::RichText& rich, std::size_t begin, std::size_t length, const cases::TextStyle& style) {
    if (length == 0 || style == cases::TextStyle{}) return;
    if (!rich.runs.empty()) {
        auto& last = rich.runs.back();
        if (last.style == style && last.begin + last.length == begin) {
            last.length += length;
            return;
        }
    }
    rich.runs.push_back({begin, length, style});
}

}  // namespace

QTextCharFormat charFormatOf(const cases::TextStyle& style) {
    QTextCharFormat format;
    format.setForeground(QColor::fromRgb(style.colour & 0xFFFFFF));
    format.setFontWeight(style.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(style.italic);
    format.setFontUnderline(style.underline);
    format.setFontPointSize(style.halfPoints / 2.0);
    if (!style.family.empty()) format.setFontFamilies(QStringList{QString::fromStdString(style.family)});
    return format;
}

cases::TextStyle styleOf(const QTextCharFormat& format, const QFont& documentFont) {
    cases::TextStyle style;
    if (format.hasProperty(QTextFormat::ForegroundBrush))
        style.colour = static_cast<std::uint32_t>(format.foreground().color().rgb()) & 0xFFFFFF;
    style.bold = format.fontWeight() >= QFont::DemiBold;
    style.italic = format.fontItalic();
    style.underline = format.fontUnderline();
    double points = format.hasProperty(QTextFormat::FontPointSize) ? format.fontPointSize() : documentFont.pointSizeF();
    style.halfPoints = points > 0 ? static_cast<int>(std::lround(points * 2)) : 24;
    if (format.hasProperty(QTextFormat::FontFamilies)) {
        QStringList families = format.fontFamilies().toStringList();
        if (!families.isEmpty()) style.family = families.front().toStdString();
    }
    return style;
}

void fillDocument(QTextDocument& document, const cases::RichText& text) {
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);  // a new content is not an edit to undo
    document.clear();
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    QTextBlockFormat block;
    block.setTextIndent(text.firstLineIndent * kPixelsPerTwip);
    cursor.setBlockFormat(block);
    const cases::TextStyle plain;
    const QTextCharFormat plainFormat = charFormatOf(plain);
    cursor.setBlockCharFormat(plainFormat);

    const std::string& all = text.text;
    auto insert = [&](std::size_t begin, std::size_t end, const QTextCharFormat& format) {
        if (begin >= end) return;
        cursor.insertText(withoutCarriageReturns(std::string_view(all).substr(begin, end - begin)), format);
    };
    std::size_t position = 0;
    for (const auto& run : text.runs) {
        std::size_t begin = std::min(run.begin, all.size());
        std::size_t end = std::min(begin + run.length, all.size());
        if (begin < position) begin = position;  // overlapping runs: the earlier one wins
        insert(position, begin, plainFormat);
        insert(begin, end, charFormatOf(run.style));
        position = std::max(position, end);
    }
    insert(position, all.size(), plainFormat);
    cursor.endEditBlock();
    document.setUndoRedoEnabled(undo);
    document.setModified(false);
}

cases::RichText documentRichText(const QTextDocument& document) {
    cases::RichText rich;
    const QFont font = document.defaultFont();
    QTextBlock first = document.begin();
    if (first.isValid()) rich.firstLineIndent = static_cast<int>(std::lround(first.blockFormat().textIndent() / kPixelsPerTwip));
    for (QTextBlock block = first; block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            QTextFragment fragment = it.fragment();
            if (!fragment.isValid()) continue;
            std::string bytes = fragment.text().toStdString();
            appendRun(rich, rich.text.size(), bytes.size(), styleOf(fragment.charFormat(), font));
            rich.text += bytes;
        }
        if (QTextBlock next = block.next(); next.isValid()) {
            // A block's character format is that of the paragraph break
            // before it: the line break between the two keeps its own style.
            appendRun(rich, rich.text.size(), 2, styleOf(next.charFormat(), font));
            rich.text += "\r\n";
        }
    }
    return rich;
}

}  // namespace qimen::app
