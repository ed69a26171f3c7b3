// PaneActions: the output pane's popup menu PopMenuEdit (撤销 … 打印) and the
// pane options of 选项 → 命稿设置 (默认, 字体设置, 背景色设置). The dialog steps
// are thin; what follows a dialog's OK is a method of its own, so tests
// drive it without a modal dialog.
#pragma once

#include <QObject>
#include <QPoint>
#include <filesystem>

#include "qt_prompter.hpp"
#include "text_pane.hpp"
#include "workflow/pane_files.hpp"

class QMenu;
class QPrinter;

namespace qimen::app {

// The 默认 background: red 208, green 204, blue 192.
inline constexpr long kDefaultBackground = 12635344;

class PaneActions : public QObject {
    Q_OBJECT
public:
    PaneActions(TextPane& pane, QtPrompter& prompter, QWidget* window);

    QMenu* menu() const { return menu_; }

    // After the dialogs' OK.
    void setSelectionFormat(const QFont& font, const QColor& colour);
    bool importFrom(const std::filesystem::path& path);
    bool saveTo(const std::filesystem::path& chosen, workflow::SaveFormat format);
    // Prints the whole pane; false (and the print message) on a failure.
    bool printTo(QPrinter& printer);
    void setPaneFont(const QFont& font);
    void setBackground(const QColor& colour);

public slots:
    void popup(const QPoint& at);
    void chooseSelectionFont();
    void chooseImport();
    void chooseSaveAs();
    void print();
    void setDefaults();
    void choosePaneFont();
    void chooseBackground();

private:
    TextPane& pane_;
    QtPrompter& prompter_;
    QWidget* window_;
    QMenu* menu_;
};

}  // namespace qimen::app
