// Memo lines and GBK byte limits of the case dialogs' edits.
#include "dialog_text.hpp"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextCursor>
#include <optional>

#include "chart/chart_record.hpp"
#include "text/gbk.hpp"

namespace qimen::app::casedlg {
namespace {

// The text cut to `maxBytes`, or nullopt when it fits (or cannot be counted).
std::optional<std::string> overLimit(const std::string& text, std::size_t maxBytes) {
    if (!text::isGbkEncodable(text) || text::gbkLength(text) <= maxBytes) return std::nullopt;
    return chart::clipToGbkBytes(text, maxBytes);
}

std::string withCrLf(const QString& text) {
    QString crlf = text;
    crlf.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return utf8(crlf);
}

}  // namespace

std::vector<std::string> memoLines(const QPlainTextEdit& memo) {
    QString text = memo.toPlainText();
    if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
    std::vector<std::string> lines;
    if (memo.toPlainText().isEmpty()) return lines;
    for (const QString& line : text.split(QLatin1Char('\n'))) lines.push_back(utf8(line));
    return lines;
}

QString memoTextOfStored(const std::string& stored) {
    QString text = qs(stored);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
    return text;
}

void limitGbkBytes(QLineEdit& edit, std::size_t maxBytes) {
    QObject::connect(&edit, &QLineEdit::textChanged, &edit, [&edit, maxBytes](const QString& text) {
        if (auto cut = overLimit(utf8(text), maxBytes)) {
            const QSignalBlocker blocker(&edit);
            edit.setText(qs(*cut));
        }
    });
}

void limitGbkBytes(QPlainTextEdit& memo, std::size_t maxBytes) {
    QObject::connect(&memo, &QPlainTextEdit::textChanged, &memo, [&memo, maxBytes] {
        if (auto cut = overLimit(withCrLf(memo.toPlainText()), maxBytes)) {
            // A CR LF cut in half leaves a lone CR, which the memo drops.
            QString text = qs(*cut);
            text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
            text.remove(QLatin1Char('\r'));
            const QSignalBlocker blocker(&memo);
            memo.setPlainText(text);
            memo.moveCursor(QTextCursor::End);
        }
    });
}

}  // namespace qimen::app::casedlg
