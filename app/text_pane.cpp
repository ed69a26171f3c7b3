// The output pane over QTextEdit. A chart is resolved into runs of complete
// styles over the pane's font size (as a commentary file stores it) and
// then filled into the document, so what is shown is what a save writes.
#include "text_pane.hpp"

#include <QPalette>
#include <QTextCursor>

#include "cases/chart_rich_text.hpp"
#include "rich_document.hpp"
#include "workflow/pane_files.hpp"

namespace qimen::app {

void installFontSubstitutions() { QFont::insertSubstitution(QString::fromUtf8(kSongTiName), QString::fromUtf8(kSongTiFace)); }

QColor colourOfWindowsValue(long value) {
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

long windowsValueOfColour(const QColor& colour) {
    return static_cast<long>(colour.blue()) * 65536 + colour.green() * 256 + colour.red();
}

TextPane::TextPane(QTextEdit& edit) : edit_(edit) {
    edit_.setAcceptRichText(true);
    edit_.setLineWrapMode(QTextEdit::NoWrap);  // a chart grid must never wrap
    setFont(font_);
}

void TextPane::setFont(const workflow::PaneFont& font) {
    font_ = font;
    QFont qfont(QString::fromStdString(font.name));
    qfont.setPointSize(font.points > 0 ? font.points : 12);
    edit_.document()->setDefaultFont(qfont);
}

QColor TextPane::background() const { return edit_.palette().color(QPalette::Base); }

void TextPane::setBackground(const QColor& colour) {
    QPalette palette = edit_.palette();
    palette.setColor(QPalette::Base, colour);
    edit_.setPalette(palette);
}

void TextPane::showChart(const render::StyledText& chart) {
    setContent(cases::richTextFromChartOutput(chart, font_.points));
    setModified(false);
}

cases::RichText TextPane::content() const { return documentRichText(*edit_.document()); }

void TextPane::setContent(const cases::RichText& text) {
    fillDocument(*edit_.document(), text);
    edit_.moveCursor(QTextCursor::Start);
    setModified(true);  // as any replacement of the text by the user
}

std::string TextPane::plainText() const {
    QString text = edit_.document()->toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text.toStdString();
}

void TextPane::clear() {
    fillDocument(*edit_.document(), cases::RichText{});
    setModified(true);
}

void TextPane::append(const std::string& text) {
    QTextCursor cursor(edit_.document());
    cursor.movePosition(QTextCursor::End);
    const cases::RichText added = workflow::plainRichText(text, font_);
    cases::TextStyle plain;
    std::size_t position = 0;
    auto insert = [&](std::size_t end, const cases::TextStyle& style) {
        if (end <= position) return;
        QString part = QString::fromUtf8(added.text.data() + position, static_cast<qsizetype>(end - position));
        part.remove(QLatin1Char('\r'));
        cursor.insertText(part, charFormatOf(style));
        position = end;
    };
    for (const auto& run : added.runs) {
        insert(run.begin, plain);
        insert(run.begin + run.length, run.style);
    }
    insert(added.text.size(), plain);
    setModified(true);
}

bool TextPane::modified() const { return edit_.document()->isModified(); }

void TextPane::setModified(bool modified) { edit_.document()->setModified(modified); }

}  // namespace qimen::app
