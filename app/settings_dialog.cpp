// The chart-settings dialog.
#include "settings_dialog.hpp"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "chart/conventions.hpp"
#include "main_window.hpp"
#include "utf8_text.hpp"

namespace qimen::app {
namespace {

QString q(const char* utf8) { return QString::fromUtf8(utf8); }

QButtonGroup* radioGroup(QWidget* parent, QGridLayout* grid, int row, int column, const char* name, const QString& caption,
                         const QStringList& items) {
    auto* box = new QGroupBox(caption, parent);
    box->setObjectName(QString::fromLatin1(name));
    auto* layout = new QVBoxLayout(box);
    auto* group = new QButtonGroup(box);
    group->setObjectName(QString::fromLatin1(name) + QStringLiteral("Items"));
    int id = 0;
    for (const QString& item : items) {
        auto* button = new QRadioButton(item, box);
        button->setObjectName(QStringLiteral("%1_%2").arg(QString::fromLatin1(name)).arg(id));
        group->addButton(button, id++);
        layout->addWidget(button);
    }
    grid->addWidget(box, row, column);
    return group;
}

QButtonGroup* radioGroup(QWidget* parent, QGridLayout* grid, int row, int column, const char* name, const char* caption,
                         std::initializer_list<const char*> items) {
    QStringList captions;
    for (const char* item : items) captions << q(item);
    return radioGroup(parent, grid, row, column, name, q(caption), captions);
}

// The group of a convention's two choices, captioned as the comparison names them.
QButtonGroup* conventionGroup(QWidget* parent, QGridLayout* grid, int row, int column, const char* name,
                              chart::Convention convention) {
    const chart::ConventionInfo& info = chart::conventionInfo(convention);
    return radioGroup(parent, grid, row, column, name, utf8(info.group), {utf8(info.choices[0]), utf8(info.choices[1])});
}

void check(QButtonGroup* group, int item) {
    if (auto* button = group->button(item)) button->setChecked(true);
    else if (auto* first = group->button(0)) first->setChecked(true);
}

}  // namespace

TFrmSet::TFrmSet(std::filesystem::path dataRoot, const QtPrompter::Hook& hook, QWidget* parent)
    : QDialog(parent), dataRoot_(std::move(dataRoot)), prompter_(*this) {
    setObjectName("TFrmSet");
    setWindowTitle(q("排盘设置"));
    prompter_.setHook(hook);
    auto* grid = new QGridLayout;
    GpPan = radioGroup(this, grid, 0, 0, "GpPan", "时家排盘", {"转盘法", "飞宫法"});
    GpJu = radioGroup(this, grid, 0, 1, "GpJu", "时家起局", {"拆补法", "置闰法"});
    GpShen = radioGroup(this, grid, 1, 0, "GpShen", "时家阳遁神盘名称（转盘）",
                        {"值符-螣蛇-太阴-六合-白虎-玄武-九地-九天", "值符-螣蛇-太阴-六合-勾陈-朱雀-九地-九天"});
    GpTianQy = radioGroup(this, grid, 1, 1, "GpTianQy", "时家天盘奇仪", {"以大值符为准", "以天心星为准"});
    GpZhiFu = radioGroup(this, grid, 2, 0, "GpZhiFu", "神盘", {"小直符随天盘大直符", "小直符随地盘大直符"});
    GpAnGan = radioGroup(this, grid, 2, 1, "GpAnGan", "时家暗干", {"不用暗干", "转盘法", "飞宫法"});
    GpSelYue = radioGroup(this, grid, 3, 0, "GpSelYue", "阴盘分月", {"以农历分", "以节气分"});

    auto* checks = new QVBoxLayout;
    auto checkBox = [this, checks](const char* name, const char* caption) {
        auto* box = new QCheckBox(q(caption), this);
        box->setObjectName(QString::fromLatin1(name));
        checks->addWidget(box);
        return box;
    };
    ChkJiuGong = checkBox("ChkJiuGong", "显示九宫飞星");
    ChkSun = checkBox("ChkSun", "使用真太阳时");
    ChkSave = checkBox("ChkSave", "提示保存");
    ChkBaoJian = checkBox("ChkBaoJian", "显示御定奇门宝鉴");
    auto* indent = new QHBoxLayout;
    indent->addWidget(new QLabel(q("文本距左边距离"), this));
    LedtLeftText = new QLineEdit(this);
    LedtLeftText->setObjectName("LedtLeftText");
    LedtLeftText->setMaxLength(3);
    indent->addWidget(LedtLeftText);
    checks->addLayout(indent);
    grid->addLayout(checks, 3, 1);
    // Below the original controls: the day change and the 月将, 0 = the charts as they have always been laid.
    GpZiShi = conventionGroup(this, grid, 4, 0, "GpZiShi", chart::Convention::Zishi);
    GpYueJiang = conventionGroup(this, grid, 4, 1, "GpYueJiang", chart::Convention::Yuejiang);

    auto* buttons = new QHBoxLayout;
    auto button = [this, buttons](const char* name, const char* caption) {
        auto* b = new QPushButton(q(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        buttons->addWidget(b);
        return b;
    };
    buttons->addStretch(1);
    connect(button("BtnDefault", "默认值"), &QPushButton::clicked, this, &TFrmSet::defaultsClick);
    connect(button("BtnSet", "设置"), &QPushButton::clicked, this, &TFrmSet::applyClick);
    connect(button("BtnCancel", "取消"), &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    showForm(workflow::ChartSettingsForm::open(dataRoot_));
}

workflow::ChartSettingsForm TFrmSet::form() const {
    workflow::ChartSettingsForm form;
    form.pan = GpPan->checkedId();
    form.ju = GpJu->checkedId();
    form.shen = GpShen->checkedId();
    form.tianyi = GpTianQy->checkedId();
    form.zhifu = GpZhiFu->checkedId();
    form.angan = GpAnGan->checkedId();
    form.selyue = GpSelYue->checkedId();
    form.zishi = GpZiShi->checkedId();
    form.yuejiang = GpYueJiang->checkedId();
    form.jiugong = ChkJiuGong->isChecked();
    form.sun = ChkSun->isChecked();
    form.save = ChkSave->isChecked();
    form.baojian = ChkBaoJian->isChecked();
    form.indentText = LedtLeftText->text().toStdString();
    return form;
}

void TFrmSet::showForm(const workflow::ChartSettingsForm& form) {
    check(GpPan, form.pan);
    check(GpJu, form.ju);
    check(GpShen, form.shen);
    check(GpTianQy, form.tianyi);
    check(GpZhiFu, form.zhifu);
    check(GpAnGan, form.angan);
    check(GpSelYue, form.selyue);
    // The engine takes any non-zero value of these two as the second choice.
    check(GpZiShi, form.zishi != 0 ? 1 : 0);
    check(GpYueJiang, form.yuejiang != 0 ? 1 : 0);
    ChkJiuGong->setChecked(form.jiugong);
    ChkSun->setChecked(form.sun);
    ChkSave->setChecked(form.save);
    ChkBaoJian->setChecked(form.baojian);
    LedtLeftText->setText(QString::fromStdString(form.indentText));
}

void TFrmSet::defaultsClick() {
    workflow::ChartSettingsForm reset = form();
    reset.reset();
    showForm(reset);
}

void TFrmSet::applyClick() {
    form().apply(dataRoot_, prompter_);
    accept();  // 设置 closes the dialog whether or not the indent was accepted
}

void showChartSettingsDialog(TFrmMain& window, const std::filesystem::path& dataRoot) {
    TFrmSet dialog(dataRoot, window.prompter().hook(), &window);
    dialog.exec();
}

}  // namespace qimen::app
