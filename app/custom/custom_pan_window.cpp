// The class editor's controls and their binding to the editor's form.
#include "custom_pan_window.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QValidator>

#include "class_combo.hpp"
#include "custom/custom_chart_file.hpp"
#include "text/gbk.hpp"

namespace qimen::app {
namespace {

QString q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

constexpr int kCellWidth = 52;
constexpr std::size_t kGridCount = 7;

// The edits take at most four GBK bytes (two Chinese characters); a text
// that GBK cannot hold is let through for the alias rule to refuse by name.
class GbkLengthValidator : public QValidator {
public:
    GbkLengthValidator(int maxBytes, QObject* parent) : QValidator(parent), maxBytes_(maxBytes) {}
    State validate(QString& input, int&) const override {
        const std::string utf8 = input.toStdString();
        if (!text::isGbkEncodable(utf8)) return Acceptable;
        return text::gbkLength(utf8) <= static_cast<std::size_t>(maxBytes_) ? Acceptable : Invalid;
    }

private:
    int maxBytes_;
};

std::optional<std::string> askName(QWidget* parent, const QString& caption, const QString& prompt) {
    bool ok = false;
    QString text = QInputDialog::getText(parent, caption, prompt, QLineEdit::Normal, QString(), &ok);
    if (!ok) return std::nullopt;
    return text.toStdString();
}

QPushButton* button(QWidget* parent, const char* name, const char* caption) {
    auto* b = new QPushButton(QString::fromUtf8(caption), parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

}  // namespace

TFrmCustomPan::TFrmCustomPan(workflow::Prompter& prompter, const std::filesystem::path& dataRoot, QWidget* parent)
    : QDialog(parent), prompter_(prompter), editor_(custom::CustomChartFile::pathIn(dataRoot)) {
    setObjectName("TFrmCustomPan");
    setWindowTitle(q(workflow::kEditorCaption));
    nameInput_ = [this](const QString& caption, const QString& prompt) { return askName(this, caption, prompt); };
    buildControls();
}

QTableWidget* TFrmCustomPan::buildGrid(const custom::AliasGroupInfo& info) {
    const int columns = static_cast<int>(info.defaults.size());
    auto* grid = new QTableWidget(2, columns, this);
    grid->setObjectName(q(info.control));
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setDefaultSectionSize(kCellWidth);
    grid->verticalHeader()->setDefaultSectionSize(24);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setFixedSize(columns * kCellWidth + 2 * grid->frameWidth(), 2 * 24 + 2 * grid->frameWidth());
    grid->setEditTriggers(QAbstractItemView::AllEditTriggers);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    // Row 0 is the fixed heading row; row 1 holds the aliases.
    for (int c = 0; c < columns; ++c) {
        auto* heading = new QTableWidgetItem;
        heading->setFlags(Qt::ItemIsEnabled);
        heading->setBackground(palette().button());
        heading->setTextAlignment(Qt::AlignCenter);
        grid->setItem(0, c, heading);
        grid->setItem(1, c, new QTableWidgetItem);
    }
    return grid;
}

void TFrmCustomPan::buildControls() {
    auto* layout = new QGridLayout(this);
    int row = 0;
    layout->addWidget(new QLabel(q(custom::kDeityGridsCaption), this), row++, 0);
    for (std::size_t g = 0; g < kGridCount; ++g) {
        const custom::AliasGroupInfo& info = custom::aliasGroups()[g];
        grids_[g] = buildGrid(info);
        layout->addWidget(new QLabel(q(info.caption), this), row, 0);
        layout->addWidget(grids_[g], row, 1, Qt::AlignLeft);
        if (info.group == custom::AliasGroup::YangDeities)
            layout->addWidget(new QLabel(q(custom::kYangDeitiesNote), this), row, 2);
        ++row;
    }

    // The four edits, each with its check boxes: 日干 and 时干 two, 值符 and
    // 直使 one.
    auto* edits = new QGridLayout;
    const auto& checks = custom::aliasChecks();
    const std::size_t checksOf[4][2] = {{0, 1}, {2, 3}, {4, 4}, {5, 5}};
    for (std::size_t e = 0; e < edits_.size(); ++e) {
        const custom::AliasGroupInfo& info = custom::aliasGroups()[kGridCount + e];
        auto* edit = new QLineEdit(this);
        edit->setObjectName(q(info.control));
        edit->setValidator(new GbkLengthValidator(custom::kAliasEditMaxBytes, edit));
        edit->setFixedWidth(80);
        edits_[e] = edit;
        auto* label = new QLabel(q(info.caption), this);
        label->setBuddy(edit);
        const int r = static_cast<int>(e / 2), c = static_cast<int>(e % 2) * 4;
        edits->addWidget(label, r, c);
        edits->addWidget(edit, r, c + 1);
        for (std::size_t k = checksOf[e][0], col = 2; k <= checksOf[e][1]; ++k, ++col) {
            auto* box = new QCheckBox(q(checks[k].caption), this);
            box->setObjectName(q(checks[k].control));
            checks_[k] = box;
            edits->addWidget(box, r, c + static_cast<int>(col));
        }
    }
    edits->setColumnMinimumWidth(4, 24);
    layout->addLayout(edits, row++, 0, 1, 3);

    auto* bottom = new QHBoxLayout;
    CboClass = new QComboBox(this);
    CboClass->setObjectName("CboClass");
    CboClass->setMinimumWidth(180);
    auto* classLabel = new QLabel(QString::fromUtf8("类别"), this);
    classLabel->setBuddy(CboClass);
    bottom->addWidget(classLabel);
    bottom->addWidget(CboClass);
    bottom->addStretch(1);
    QPushButton* buttons[] = {button(this, "BtoNew", "新建"), button(this, "BtoSave", "保存"),
                              button(this, "BtoDel", "删除"), button(this, "BtoDefault", "默认输入"),
                              button(this, "Button1", "关闭")};
    for (QPushButton* b : buttons) bottom->addWidget(b);
    layout->addLayout(bottom, row++, 0, 1, 3);
    layout->setColumnStretch(2, 1);

    connect(CboClass, &QComboBox::activated, this, &TFrmCustomPan::CboClassChange);
    connect(buttons[0], &QPushButton::clicked, this, &TFrmCustomPan::BtoNewClick);
    connect(buttons[1], &QPushButton::clicked, this, &TFrmCustomPan::BtoSaveClick);
    connect(buttons[2], &QPushButton::clicked, this, &TFrmCustomPan::BtoDelClick);
    connect(buttons[3], &QPushButton::clicked, this, &TFrmCustomPan::BtoDefaultClick);
    connect(buttons[4], &QPushButton::clicked, this, &QDialog::reject);
}

void TFrmCustomPan::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void TFrmCustomPan::FormShow() {
    if (shown_) return;
    shown_ = true;
    act([this] { editor_.show(prompter_); });
    // The headings go in after the class: loading never touches row 0.
    for (std::size_t g = 0; g < kGridCount; ++g) {
        const auto& defaults = custom::aliasGroups()[g].defaults;
        for (std::size_t c = 0; c < defaults.size(); ++c) grids_[g]->item(0, static_cast<int>(c))->setText(q(defaults[c]));
    }
    CboClass->setFocus(Qt::OtherFocusReason);
}

void TFrmCustomPan::CboClassChange(int index) {
    act([this, index] { editor_.selectClass(index, prompter_); });
}

void TFrmCustomPan::BtoNewClick() {
    std::optional<std::string> name = nameInput_(q(workflow::kNewClassCaption), q(workflow::kNewClassPrompt));
    act([this, &name] { editor_.createClass(name, prompter_); });
}

void TFrmCustomPan::BtoSaveClick() {
    act([this] { editor_.save(prompter_); });
}

void TFrmCustomPan::BtoDelClick() {
    act([this] { editor_.remove(prompter_); });
}

void TFrmCustomPan::BtoDefaultClick() {
    act([this] { editor_.loadDefaults(prompter_); });
}

void TFrmCustomPan::act(const std::function<void()>& action) {
    pull();
    action();
    push();
}

void TFrmCustomPan::pull() {
    custom::CustomClass& form = editor_.form();
    for (std::size_t g = 0; g < kGridCount; ++g) {
        std::span<std::string> cells = custom::aliasCells(form, custom::aliasGroups()[g].group);
        for (std::size_t c = 0; c < cells.size(); ++c)
            cells[c] = grids_[g]->item(1, static_cast<int>(c))->text().toStdString();
    }
    for (std::size_t e = 0; e < edits_.size(); ++e)
        custom::aliasCells(form, custom::aliasGroups()[kGridCount + e].group)[0] = edits_[e]->text().toStdString();
    for (std::size_t k = 0; k < checks_.size(); ++k) form.*(custom::aliasChecks()[k].flag) = checks_[k]->isChecked();
}

void TFrmCustomPan::push() {
    const custom::CustomClass& form = editor_.form();
    for (std::size_t g = 0; g < kGridCount; ++g) {
        std::span<const std::string> cells = custom::aliasCells(form, custom::aliasGroups()[g].group);
        for (std::size_t c = 0; c < cells.size(); ++c) grids_[g]->item(1, static_cast<int>(c))->setText(q(cells[c]));
    }
    for (std::size_t e = 0; e < edits_.size(); ++e)
        edits_[e]->setText(q(custom::aliasCells(form, custom::aliasGroups()[kGridCount + e].group)[0]));
    for (std::size_t k = 0; k < checks_.size(); ++k) checks_[k]->setChecked(form.*(custom::aliasChecks()[k].flag));
    showClassNames(*CboClass, editor_.classNames(), editor_.selectedIndex());
}

void openTFrmCustomPan(QWidget* parent, workflow::Prompter& prompter, const std::filesystem::path& dataRoot) {
    TFrmCustomPan dialog(prompter, dataRoot, parent);
    dialog.exec();
}

}  // namespace qimen::app
