// The places dialog: its controls and what each forwards.
#include "tfrm_dili.hpp"

#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>

namespace qimen::app {
namespace {

QString qs(const std::string& utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }
std::string utf8(const QString& text) { return text.toStdString(); }

QLineEdit* edit(QWidget* parent, const char* name, int maxLength, const QString& text = {}) {
    auto* e = new QLineEdit(text, parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setMaxLength(maxLength);
    return e;
}

QPushButton* pushButton(QWidget* parent, const char* name, const QString& text) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

}  // namespace

TFrmDiLi::TFrmDiLi(const std::filesystem::path& root, workflow::Prompter& prompter, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), table_(root), form_(table_, prompter) {
    setObjectName(QStringLiteral("TFrmDiLi"));
    setWindowTitle(QStringLiteral("经纬度设置"));
    build();
    for (const std::string& province : workflow::PlaceDialogForm::provinces()) CboSheng->addItem(qs(province));
    connect(CboSheng, &QComboBox::activated, this, &TFrmDiLi::CboShengClick);
    connect(CboShi, &QComboBox::activated, this, &TFrmDiLi::CboShiClick);
    connect(BtoEdit, &QPushButton::clicked, this, &TFrmDiLi::BtoEditClick);
    connect(BtoDel, &QPushButton::clicked, this, &TFrmDiLi::BtoDelClick);
    connect(BtoAdd, &QPushButton::clicked, this, &TFrmDiLi::BtoAddClick);
    CboSheng->setCurrentIndex(0);
    CboShengClick();
    setFixedSize(sizeHint());
}

void TFrmDiLi::build() {
    CboSheng = new QComboBox(this);
    CboSheng->setObjectName(QStringLiteral("CboSheng"));
    CboShi = new QComboBox(this);
    CboShi->setObjectName(QStringLiteral("CboShi"));
    // Room for the sign: -179 and -89 must fit, and a stored value must
    // never be cut short on its way into an edit and back to the file.
    LedtJingDu = edit(this, "LedtJingDu", 4, QStringLiteral("120"));
    LedtJingFen = edit(this, "LedtJingFen", 2, QStringLiteral("0"));
    LedtWeiDu = edit(this, "LedtWeiDu", 3, QStringLiteral("30"));
    LedtWeiFen = edit(this, "LedtWeiFen", 2, QStringLiteral("0"));
    LedtShiName = edit(this, "LedtShiName", static_cast<int>(places::kCityNameMaxCharacters), QStringLiteral("市县名"));
    LedtShiName->setToolTip(QStringLiteral("新市或县名"));
    BtoEdit = pushButton(this, "BtoEdit", QStringLiteral("修改"));
    BtoDel = pushButton(this, "BtoDel", QStringLiteral("删除"));
    BtoAdd = pushButton(this, "BtoAdd", QStringLiteral("增加"));
    const int narrow = LedtJingDu->fontMetrics().horizontalAdvance(QStringLiteral("-1800")) + 10;
    for (QLineEdit* e : {LedtJingDu, LedtJingFen, LedtWeiDu, LedtWeiFen}) e->setFixedWidth(narrow);

    auto* grid = new QGridLayout(this);
    grid->addWidget(CboSheng, 0, 0, 1, 4);
    grid->addWidget(CboShi, 0, 4, 1, 4);
    grid->addWidget(new QLabel(QStringLiteral("经度"), this), 1, 0, 1, 4);
    grid->addWidget(new QLabel(QStringLiteral("纬度"), this), 1, 4, 1, 4);
    int column = 0;
    for (auto [e, unit] : {std::pair{LedtJingDu, "度"}, {LedtJingFen, "分"}, {LedtWeiDu, "度"}, {LedtWeiFen, "分"}}) {
        grid->addWidget(e, 2, column++);
        grid->addWidget(new QLabel(QString::fromUtf8(unit), this), 2, column++);
    }
    grid->addWidget(new QLabel(QStringLiteral("新市或县名"), this), 3, 0, 1, 8);
    grid->addWidget(LedtShiName, 4, 0, 1, 2);
    grid->addWidget(BtoEdit, 4, 2, 1, 2);
    grid->addWidget(BtoDel, 4, 4, 1, 2);
    grid->addWidget(BtoAdd, 4, 6, 1, 2);
}

void TFrmDiLi::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!warned_) {
        warned_ = true;
        (void)form_.open();
    }
}

places::PlaceValueTexts TFrmDiLi::edits() const {
    return {utf8(LedtJingDu->text()), utf8(LedtJingFen->text()), utf8(LedtWeiDu->text()), utf8(LedtWeiFen->text())};
}

void TFrmDiLi::CboShengClick() {
    CboShi->clear();
    for (const std::string& city : form_.cities(utf8(CboSheng->currentText()))) CboShi->addItem(qs(city));
    if (CboShi->count() > 0) {
        CboShi->setCurrentIndex(0);
        CboShiClick();
    }
}

void TFrmDiLi::CboShiClick() {
    if (CboShi->currentIndex() < 0) return;
    const auto texts = form_.cityTexts(utf8(CboSheng->currentText()), utf8(CboShi->currentText()));
    LedtJingDu->setText(qs(texts.longitudeDegrees));
    LedtJingFen->setText(qs(texts.longitudeMinutes));
    LedtWeiDu->setText(qs(texts.latitudeDegrees));
    LedtWeiFen->setText(qs(texts.latitudeMinutes));
}

void TFrmDiLi::BtoEditClick() {
    if (CboShi->currentIndex() < 0) return;
    (void)form_.change(utf8(CboSheng->currentText()), utf8(CboShi->currentText()), edits());
}

void TFrmDiLi::BtoDelClick() {
    const int chosen = CboShi->currentIndex();
    if (chosen < 0) return;
    if (!form_.remove(utf8(CboSheng->currentText()), utf8(CboShi->currentText()))) return;
    const QSignalBlocker blocker(CboShi);
    CboShi->removeItem(chosen);
    CboShi->setCurrentIndex(-1);
}

void TFrmDiLi::BtoAddClick() {
    const auto added = form_.add(utf8(CboSheng->currentText()), utf8(LedtShiName->text()), edits());
    if (added == workflow::PlaceAdded::NewCity) {
        const QSignalBlocker blocker(CboShi);
        const int chosen = CboShi->currentIndex();
        CboShi->addItem(LedtShiName->text());
        CboShi->setCurrentIndex(chosen);
    }
}

void openTFrmDiLi(QWidget* parent, const std::filesystem::path& root, workflow::Prompter& prompter) {
    TFrmDiLi dialog(root, prompter, parent);
    dialog.exec();
}

}  // namespace qimen::app
