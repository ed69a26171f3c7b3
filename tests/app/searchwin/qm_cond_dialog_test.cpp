// TFrmQmCond through its widgets: the record shown on opening, the accept
// messages in the form's order with the dialog kept open, and 清除.
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QtTest>

#include "qm_cond_dialog.hpp"
#include "recording_prompter.hpp"

using qimen::app::TFrmQmCond;
using qimen::search::SearchConditions;

class QmCondDialogTest : public QObject {
    Q_OBJECT
private slots:
    void showsTheRecordInTheControls();
    void acceptShowsEachGroupsMessageInOrderAndStaysOpen();
    void clearAsksFirstAndCancelKeepsTheRecord();
};

namespace {

QString cell(TFrmQmCond& dialog, const char* grid, int column) {
    return dialog.findChild<QTableWidget*>(grid)->item(1, column)->text();
}
void setCell(TFrmQmCond& dialog, const char* grid, int column, const QString& text) {
    dialog.findChild<QTableWidget*>(grid)->item(1, column)->setText(text);
}
void setEdit(TFrmQmCond& dialog, const char* name, const QString& text) {
    dialog.findChild<QLineEdit*>(name)->setText(text);
}
void tick(TFrmQmCond& dialog, const char* list, int item) {
    dialog.findChild<QListWidget*>(list)->item(item)->setCheckState(Qt::Checked);
}
void clickOk(TFrmQmCond& dialog) { QTest::mouseClick(dialog.findChild<QPushButton*>("BtoSearch"), Qt::LeftButton); }

}  // namespace

void QmCondDialogTest::showsTheRecordInTheControls() {
    qimen::testing::RecordingPrompter prompter;
    SearchConditions conditions;
    conditions.starPalace[6] = 1;
    conditions.doorAll = 1;
    conditions.goodPattern[3] = 1;
    conditions.wantedLeaderDoorPalace = 7;
    TFrmQmCond dialog(conditions, prompter);
    QCOMPARE(dialog.findChild<QTableWidget*>("GrdXing")->item(0, 6)->text(), QString("天心"));
    QCOMPARE(dialog.findChild<QTableWidget*>("GrdMen")->item(0, 0)->text(), QString("景门"));
    QCOMPARE(cell(dialog, "GrdXing", 6), QString("1"));
    QCOMPARE(cell(dialog, "GrdShenYin", 0), QString("0"));
    QVERIFY(dialog.findChild<QCheckBox*>("ChkMenAll")->isChecked());
    QCOMPARE(dialog.findChild<QListWidget*>("ChkJiGe")->count(), 27);
    QCOMPARE(dialog.findChild<QListWidget*>("ChkXiongGe")->count(), 28);
    QCOMPARE(dialog.findChild<QListWidget*>("ChkJiGe")->item(3)->checkState(), Qt::Checked);
    QCOMPARE(dialog.findChild<QListWidget*>("ChkJiGe")->item(2)->checkState(), Qt::Unchecked);
    QCOMPARE(dialog.findChild<QLineEdit*>("LedtShiGong")->text(), QString("7"));
    QVERIFY(dialog.findChild<QRadioButton*>("RdoPart")->isChecked());
}

void QmCondDialogTest::acceptShowsEachGroupsMessageInOrderAndStaysOpen() {
    qimen::testing::RecordingPrompter prompter;
    SearchConditions conditions;
    TFrmQmCond dialog(conditions, prompter);
    dialog.show();
    // Every group faulty at once; each fix uncovers the next group's message.
    setCell(dialog, "GrdShenYin", 2, "5");
    setCell(dialog, "GrdXing", 0, "天心");
    setCell(dialog, "GrdTianYi", 8, "");
    setCell(dialog, "GrdMen", 5, "5");
    setCell(dialog, "GrdDiYi", 1, "10");
    setEdit(dialog, "LedtFuGong", "a");
    setEdit(dialog, "LedtShiGong", "-");
    struct Fix {
        const char* grid;  // nullptr: an edit
        const char* name;
        int column;
        const char* value;
    };
    const Fix fixes[] = {{"GrdShenYin", nullptr, 2, "2"}, {"GrdXing", nullptr, 0, "9"}, {"GrdTianYi", nullptr, 8, "5"},
                         {"GrdMen", nullptr, 5, "6"},     {"GrdDiYi", nullptr, 1, "0"}, {nullptr, "LedtFuGong", 0, "5"},
                         {nullptr, "LedtShiGong", 0, "1"}};
    for (const Fix& fix : fixes) {
        clickOk(dialog);
        QVERIFY(dialog.isVisible());
        if (fix.grid) setCell(dialog, fix.grid, fix.column, fix.value);
        else setEdit(dialog, fix.name, fix.value);
    }
    QCOMPARE(prompter.log, QStringList({"神盘落宫输入错误，宫数在1－9，5宫请输入2|输入错误|error",
                                        "九星落宫输入错误，宫数在1－9|输入错误|error",
                                        "天盘奇仪落宫输入错误，宫数在1－9|输入错误|error",
                                        "八门落宫输入错误，宫数在1－9，5宫请输入2|输入错误|error",
                                        "地盘奇仪落宫输入错误，宫数在1－9|输入错误|error",
                                        "直符落宫输入错误，宫数在1－9|输入错误|error",
                                        "直使落宫输入错误，宫数在1－9|输入错误|error"}));
    // A failed accept keeps what it stored before the faulty group.
    QCOMPARE(conditions.deityPalace[2], 2);
    QCOMPARE(conditions.wantedLeaderDoorPalace, 0);

    tick(dialog, "ChkFuShi", 6);
    tick(dialog, "ChkJiGe", 2);
    tick(dialog, "ChkXiongGe", 27);
    dialog.findChild<QRadioButton*>("RdoAll")->setChecked(true);
    clickOk(dialog);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(prompter.log.size(), 7);
    SearchConditions expected;
    expected.allRequired = 1;
    expected.deityPalace[2] = 2;
    expected.deityCount = 1;
    expected.starPalace[0] = 9;
    expected.starCount = 1;
    expected.heavenStemPalace[8] = 5;
    expected.heavenStemCount = 1;
    expected.doorPalace[5] = 6;
    expected.doorCount = 1;
    expected.leaderChoice[6] = 1;
    expected.leaderChoiceCount = 1;
    expected.leaderChoiceAny = 1;
    expected.wantedLeaderStarPalace = 5;
    expected.wantedLeaderDoorPalace = 1;
    expected.goodPattern[2] = 1;
    expected.goodPatternCount = 1;
    expected.badPattern[27] = 1;
    expected.badPatternCount = 1;
    QVERIFY(conditions == expected);
}

void QmCondDialogTest::clearAsksFirstAndCancelKeepsTheRecord() {
    qimen::testing::RecordingPrompter prompter;
    SearchConditions conditions;
    conditions.starPalace[1] = 4;
    conditions.starCount = 1;
    conditions.allRequired = 1;
    const SearchConditions before = conditions;
    TFrmQmCond dialog(conditions, prompter);
    dialog.show();
    auto* clear = dialog.findChild<QPushButton*>("BtoClear");
    prompter.answers = {false, true};
    QTest::mouseClick(clear, Qt::LeftButton);
    QCOMPARE(cell(dialog, "GrdXing", 1), QString("4"));
    QTest::mouseClick(clear, Qt::LeftButton);
    QCOMPARE(cell(dialog, "GrdXing", 1), QString("0"));
    QVERIFY(dialog.findChild<QRadioButton*>("RdoPart")->isChecked());
    QCOMPARE(prompter.log, QStringList({"ask|这将清除已输入信息,设置为默认值|注意|warning|no",
                                        "ask|这将清除已输入信息,设置为默认值|注意|warning|no"}));
    QTest::mouseClick(dialog.findChild<QPushButton*>("Button2"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(conditions == before);
}

QTEST_MAIN(QmCondDialogTest)
#include "qm_cond_dialog_test.moc"
