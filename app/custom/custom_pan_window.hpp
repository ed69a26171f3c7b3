// TFrmCustomPan "编辑自定义奇门盘": the modal editor of the custom label
// classes in dat/custom.dat. A thin window over workflow::CustomClassEditor:
// the seven grids' row 1, the four edits and the six check boxes are read
// into the editor's form before every action and shown from it afterwards;
// every message and question goes through the Prompter.
#pragma once

#include <QDialog>
#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "custom/alias_groups.hpp"
#include "workflow/custom_class_editor.hpp"
#include "workflow/custom_prompter.hpp"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace qimen::app {

class TFrmCustomPan : public QDialog {
    Q_OBJECT

public:
    // The input box of 新建: the text typed, or nullopt when cancelled. The
    // default is a QInputDialog; tests put a script in its place.
    using NameInput = std::function<std::optional<std::string>(const QString& caption, const QString& prompt)>;

    // The editor of dataRoot/dat/custom.dat. The file is opened and listed
    // when the dialog is first shown (FormShow).
    TFrmCustomPan(workflow::Prompter& prompter, const std::filesystem::path& dataRoot, QWidget* parent = nullptr);

    void setNameInput(NameInput input) { nameInput_ = std::move(input); }

    // Handlers, public so that the tests and the screenshot can call them.
    void FormShow();
    void CboClassChange(int index);
    void BtoNewClick();
    void BtoSaveClick();
    void BtoDelClick();
    void BtoDefaultClick();

    const workflow::CustomClassEditor& editor() const { return editor_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    QTableWidget* buildGrid(const custom::AliasGroupInfo& info);
    // Controls → the editor's form, and back (with the class list).
    void pull();
    void push();
    // Runs one action of the editor between pull and push.
    void act(const std::function<void()>& action);

    workflow::CustomPrompterOver prompter_;
    workflow::CustomClassEditor editor_;
    NameInput nameInput_;
    bool shown_ = false;

    // By custom::AliasGroup: a grid for the first seven, an edit for the rest.
    std::array<QTableWidget*, 7> grids_{};
    std::array<QLineEdit*, 4> edits_{};
    std::array<QCheckBox*, custom::kAliasCheckCount> checks_{};
    QComboBox* CboClass = nullptr;
};

// The entry of 选项 → 编辑自定义盘: the editor shown modally over `parent`.
void openTFrmCustomPan(QWidget* parent, workflow::Prompter& prompter, const std::filesystem::path& dataRoot);

}  // namespace qimen::app
