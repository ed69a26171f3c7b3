// Text between the case dialogs' controls and their forms: UTF-8 both ways,
// memo lines as the forms count them, and edits held to a GBK byte count
// (the fields on disk are GBK byte arrays).
#pragma once

#include <QString>
#include <string>
#include <vector>

class QLineEdit;
class QPlainTextEdit;

namespace qimen::app::casedlg {

inline QString qs(const std::string& utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }
inline std::string utf8(const QString& text) { return text.toStdString(); }

// The control with its objectName set, as the tests and the focus find it.
template <typename T>
T* named(T* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// The lines of a memo: a final line break ends the last line rather than
// starting an empty one; an empty memo has no lines.
std::vector<std::string> memoLines(const QPlainTextEdit& memo);

// Stored memo text (lines ended by CR LF) as the memo shows it.
QString memoTextOfStored(const std::string& stored);

// Keeps the edit's text within `maxBytes` GBK bytes: typing or pasting past
// it cuts the text at the last whole character that fits. Characters without
// a GBK form are left for the form to refuse.
void limitGbkBytes(QLineEdit& edit, std::size_t maxBytes);
// The same for a memo, a line break counting two bytes (CR LF on disk).
void limitGbkBytes(QPlainTextEdit& memo, std::size_t maxBytes);

}  // namespace qimen::app::casedlg
