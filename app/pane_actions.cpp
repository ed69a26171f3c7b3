// The output pane's operations: clipboard and undo through the editor, the
// selection's font, import and 另存为 through the workflows' pane files,
// printing through the print dialog, and the pane's own font and colour.
#include "pane_actions.hpp"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextCursor>
#include <QTextDocument>

namespace qimen::app {
namespace {

QString q(const char* utf8) { return QString::fromUtf8(utf8); }

constexpr const char* kPrintFailed = "打印错误，请检查打印设备！";
constexpr const char* kOptionApplied = "设置完成";

}  // namespace

PaneActions::PaneActions(TextPane& pane, QtPrompter& prompter, QWidget* window)
    : QObject(window), pane_(pane), prompter_(prompter), window_(window), menu_(new QMenu(window)) {
    setObjectName("PaneActions");
    menu_->setObjectName("PopMenuEdit");
    QTextEdit& edit = pane_.edit();
    edit.setUndoRedoEnabled(true);
    auto add = [this](const char* name, const char* caption, auto slot) {
        QAction* action = menu_->addAction(q(caption));
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    add("ppyundo", "撤销", [&edit] {
        if (edit.document()->isUndoAvailable()) edit.undo();
    });
    menu_->addSeparator();
    add("Rpycopy", "复制", [&edit] { edit.copy(); });
    add("Rpypaste", "粘贴", [&edit] { edit.paste(); });
    add("Rpycut", "剪切", [&edit] { edit.cut(); });
    add("Rpydel", "删除", [&edit] { edit.textCursor().removeSelectedText(); });
    add("Rpyselall", "全选", [&edit] { edit.selectAll(); });
    menu_->addSeparator();
    add("RdtsetF", "设置选中文字", [this] { chooseSelectionFont(); });
    add("Rdyimport", "导入文本文件", [this] { chooseImport(); });
    add("Rdysave", "另存为", [this] { chooseSaveAs(); });
    menu_->addSeparator();
    add("Rpyprt", "打印", [this] { print(); });
}

void PaneActions::popup(const QPoint& at) { menu_->popup(pane_.edit().viewport()->mapToGlobal(at)); }

void PaneActions::chooseSelectionFont() {
    QTextCursor cursor = pane_.edit().textCursor();
    if (!cursor.hasSelection()) return;
    const QTextCharFormat current = cursor.charFormat();
    bool ok = false;
    QFont font = QFontDialog::getFont(&ok, current.font(), window_, q("设置选中文字"));
    if (!ok) return;
    // The font dialog has no colour: a colour dialog follows it, and its
    // cancel keeps the selection's colour.
    QColor colour = QColorDialog::getColor(current.foreground().color(), window_, q("设置选中文字"));
    setSelectionFormat(font, colour.isValid() ? colour : current.foreground().color());
}

void PaneActions::setSelectionFormat(const QFont& font, const QColor& colour) {
    QTextCursor cursor = pane_.edit().textCursor();
    if (!cursor.hasSelection()) return;
    QTextCharFormat format;
    format.setFontFamilies(QStringList{font.family()});
    format.setFontPointSize(font.pointSizeF() > 0 ? font.pointSizeF() : pane_.font().points);
    format.setFontWeight(font.bold() ? QFont::Bold : QFont::Normal);
    format.setFontItalic(font.italic());
    format.setFontUnderline(font.underline());
    format.setForeground(colour);
    cursor.mergeCharFormat(format);
    pane_.edit().setTextCursor(cursor);
}

void PaneActions::chooseImport() {
    const QString file = QFileDialog::getOpenFileName(window_, q("导入文本文件"), QString(), q("All.rtf (*.rtf);;All.txt (*.txt)"));
    if (!file.isEmpty()) importFrom(file.toStdString());
}

bool PaneActions::importFrom(const std::filesystem::path& path) { return workflow::importPaneFile(pane_, path, prompter_); }

void PaneActions::chooseSaveAs() {
    QFileDialog dialog(window_, q("另存为"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({q("Rtf格式 (*.rtf)"), q("Txt格式 (*.txt)")});
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const auto format = dialog.selectedNameFilter().contains(QStringLiteral("*.txt")) ? workflow::SaveFormat::PlainText
                                                                                     : workflow::SaveFormat::RichText;
    saveTo(dialog.selectedFiles().front().toStdString(), format);
}

bool PaneActions::saveTo(const std::filesystem::path& chosen, workflow::SaveFormat format) {
    return workflow::savePaneAs(pane_, chosen, format, prompter_);
}

void PaneActions::print() {
    if (!prompter_.ask("准备开始打印吗?", "打印", workflow::Icon::Information, true)) return;
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, window_);
    if (dialog.exec() != QDialog::Accepted) return;
    printTo(printer);
}

bool PaneActions::printTo(QPrinter& printer) {
    printer.setDocName(QString());
    pane_.edit().document()->print(&printer);
    if (printer.printerState() == QPrinter::Error) {
        prompter_.message(kPrintFailed, "打印错误", workflow::Icon::Error);
        return false;
    }
    return true;
}

void PaneActions::setDefaults() {
    pane_.setBackground(colourOfWindowsValue(kDefaultBackground));
    workflow::PaneFont font = pane_.font();
    font.points = 12;
    pane_.setFont(font);
    prompter_.message(kOptionApplied, "", workflow::Icon::None);
}

void PaneActions::choosePaneFont() {
    QFont current(QString::fromStdString(pane_.font().name));
    current.setPointSize(pane_.font().points);
    bool ok = false;
    QFont font = QFontDialog::getFont(&ok, current, window_, q("字体设置"));
    if (ok) setPaneFont(font);
}

void PaneActions::setPaneFont(const QFont& font) {
    workflow::PaneFont paneFont;
    paneFont.name = font.family().toStdString();
    paneFont.points = font.pointSize() > 0 ? font.pointSize() : pane_.font().points;
    pane_.setFont(paneFont);
    prompter_.message(kOptionApplied, "", workflow::Icon::None);
}

void PaneActions::chooseBackground() {
    QColor colour = QColorDialog::getColor(pane_.background(), window_, q("背景色设置"));
    if (colour.isValid()) setBackground(colour);
}

void PaneActions::setBackground(const QColor& colour) {
    pane_.setBackground(colour);
    prompter_.message(kOptionApplied, "", workflow::Icon::None);
}

}  // namespace qimen::app
