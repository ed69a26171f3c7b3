// The case dialogs driven by their controls' names over a temporary data
// root: the class editor's refusals, the case search's matching, clearing
// and remembered criteria, and the order of the case dialog's checks.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

#include "../../workflow/recording_prompter.hpp"
#include "../sample_case.hpp"
#include "cases/case_store.hpp"
#include "cases/class_list.hpp"
#include "tfrm_class_edit.hpp"
#include "tfrm_info.hpp"
#include "tfrm_search.hpp"
#include "workflow/input_lists.hpp"

namespace qimen::app {

using workflow::testing::RecordingPrompter;
using Log = std::vector<std::string>;

namespace {

template <typename T>
T* control(QWidget& window, const char* name) {
    auto* found = window.findChild<T*>(QString::fromLatin1(name));
    if (!found) qFatal("no control %s", name);
    return found;
}

void click(QWidget& window, const char* name) { QTest::mouseClick(control<QPushButton>(window, name), Qt::LeftButton); }
void type(QWidget& window, const char* name, const char* text) {
    control<QLineEdit>(window, name)->setText(QString::fromUtf8(text));
}

void leavePicture(QWidget& window, const char* file) {
    window.grab().save(QStringLiteral(QIMEN_TEST_OUTPUT_DIR "/") + QString::fromLatin1(file));  // for a look
}

// Counts the times a widget is shown.
class ShowCounter : public QObject {
public:
    int shown = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show) ++shown;
        return false;
    }
};

// Records, with each question, whether the search dialog had finished its scan.
class SearchPrompter : public RecordingPrompter {
public:
    TFrmSearch* dialog = nullptr;
    bool ask(std::string_view text, std::string_view caption, workflow::Icon icon, bool defaultYes) override {
        if (dialog && (dialog->Animate1->isVisible() || !dialog->BtnSearch->isEnabled())) log.push_back("still busy");
        return RecordingPrompter::ask(text, caption, icon, defaultYes);
    }
};

using testing::sampleCase;

}  // namespace

class CaseDialogsTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    std::filesystem::path root() const { return dir.path().toStdString(); }

private slots:
    void initTestCase() {
        cases::CaseStore store(root());
        QVERIFY(store.open());
        for (auto [name, year] : {std::pair{"张三", 2008}, {"小张", -119}, {"张", 2004}, {"李四", 2010}})
            QVERIFY(store.append(*cases::encodeCaseRecord(sampleCase(name, static_cast<std::int16_t>(year)))));
        QVERIFY(cases::writeClassList(root(), {"求财", "婚姻"}));
    }

    void classEditorRefusesBadLinesByNumber_data() {
        QTest::addColumn<QString>("memo");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty memo") << "" << "类别不能为空";
        QTest::newRow("seven characters") << "求财\n一二三四五六七\n" << "第2行类别名不合规定，不能加入。";
        QTest::newRow("empty line") << "求财\n\n婚姻" << "第2行类别名不合规定，不能加入。";
    }
    void classEditorRefusesBadLinesByNumber() {
        QFETCH(QString, memo);
        QFETCH(QString, message);
        RecordingPrompter prompter;
        TFrmClassEdit dialog(root(), prompter);
        dialog.show();
        QCOMPARE(dialog.Memo1->toPlainText(), QStringLiteral("求财\n婚姻"));
        dialog.Memo1->setPlainText(memo);
        click(dialog, "BtnSave");
        QCOMPARE(prompter.log, Log{"message|" + message.toStdString() + "||none"});
        QVERIFY(dialog.isVisible());
        QCOMPARE(workflow::classEditorLines(root()), (std::vector<std::string>{"求财", "婚姻"}));
    }

    void classEditorWritesSixCharacterNames() {
        RecordingPrompter prompter;
        TFrmClassEdit dialog(root(), prompter);
        dialog.show();
        leavePicture(dialog, "class-editor.png");
        dialog.Memo1->setPlainText(QStringLiteral("求财\n一二三四五六\n婚姻\n"));
        click(dialog, "BtnSave");
        QVERIFY(prompter.log.empty());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(workflow::classEditorLines(root()), (std::vector<std::string>{"求财", "一二三四五六", "婚姻"}));
    }

    void searchMatchesPartOrWholeName_data() {
        QTest::addColumn<bool>("whole");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QList<int>>("found");
        QTest::newRow("contains") << false << "共找到3条记录，要显示到事例列表中吗？" << QList<int>{0, 1, 2};
        QTest::newRow("whole field") << true << "共找到1条记录，要显示到事例列表中吗？" << QList<int>{2};
    }
    void searchMatchesPartOrWholeName() {
        QFETCH(bool, whole);
        QFETCH(QString, question);
        QFETCH(QList<int>, found);
        cases::CaseFilter filter;
        SearchPrompter prompter;
        prompter.answers = {true};
        TFrmSearch dialog(filter, root(), prompter);
        prompter.dialog = &dialog;
        ShowCounter bar;
        dialog.Animate1->installEventFilter(&bar);
        dialog.show();
        QVERIFY(!dialog.Animate1->isVisible());
        type(dialog, "Edtname", "张");
        control<QCheckBox>(dialog, "ChkName")->setChecked(whole);
        click(dialog, "BtnSearch");
        QCOMPARE(prompter.log, Log{"ask|" + question.toStdString() + "|提示|information|yes"});
        QCOMPARE(bar.shown, 1);
        QCOMPARE(dialog.foundCases(), std::vector<std::int32_t>(found.begin(), found.end()));
        QVERIFY(!dialog.isVisible());
    }

    void searchReopensWithLastCriteriaAndClears() {
        cases::CaseFilter filter;
        {
            RecordingPrompter prompter;
            prompter.answers = {false};  // the count question: keep the dialog open
            TFrmSearch dialog(filter, root(), prompter);
            dialog.show();
            type(dialog, "Edtname", "张");
            control<QCheckBox>(dialog, "ChkEvent")->setChecked(true);
            type(dialog, "LedtEvent", "生意");
            type(dialog, "LedtY1", "-120");
            type(dialog, "LedtY2", "2008");
            click(dialog, "BtnSearch");
            QCOMPARE(prompter.log, Log{"ask|共找到3条记录，要显示到事例列表中吗？|提示|information|yes"});
            QVERIFY(dialog.isVisible());
            click(dialog, "BtoCancel");
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
        }
        RecordingPrompter prompter;
        TFrmSearch dialog(filter, root(), prompter);
        dialog.show();
        leavePicture(dialog, "case-search.png");
        QCOMPARE(control<QLineEdit>(dialog, "Edtname")->text(), QStringLiteral("张"));
        QVERIFY(!control<QCheckBox>(dialog, "ChkName")->isChecked());
        QCOMPARE(control<QLineEdit>(dialog, "LedtEvent")->text(), QStringLiteral("生意"));
        QVERIFY(control<QCheckBox>(dialog, "ChkEvent")->isChecked());
        QCOMPARE(control<QLineEdit>(dialog, "LedtY1")->text(), QStringLiteral("-120"));
        QCOMPARE(control<QLineEdit>(dialog, "LedtY2")->text(), QStringLiteral("2008"));
        QCOMPARE(control<QComboBox>(dialog, "CboFenLei")->count(), 3);

        prompter.answers = {false, true};
        const char* clearQuestion = "ask|这将清除所有输入的条件参数，以便搜索所有事例，确定吗？|提示|information|yes";
        click(dialog, "BtoAll");
        QCOMPARE(control<QLineEdit>(dialog, "LedtY1")->text(), QStringLiteral("-120"));
        click(dialog, "BtoAll");
        QCOMPARE(prompter.log, (Log{clearQuestion, clearQuestion}));
        for (const char* box : {"Edtname", "LedtEvent", "LedtY1", "LedtY2"})
            QVERIFY2(control<QLineEdit>(dialog, box)->text().isEmpty(), box);
        QVERIFY(!control<QCheckBox>(dialog, "ChkEvent")->isChecked());
        QCOMPARE(filter.yearFrom, std::int16_t{-119});  // the filter waits for the next search
    }

    void searchRefusesBadYears_data() {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("message");
        const QString year = QStringLiteral(
            "年份必须在-850到2100年之间，并且没有公元0年\r\n注意：公元前用负数，比如公元前120年，就输入-120");
        QTest::newRow("only the first") << "2008" << "" << year;
        QTest::newRow("year 0") << "0" << "2008" << year;
        QTest::newRow("backwards") << "2008" << "2004" << "结束年必须大于或等于起始年";
    }
    void searchRefusesBadYears() {
        QFETCH(QString, first);
        QFETCH(QString, last);
        QFETCH(QString, message);
        cases::CaseFilter filter;
        RecordingPrompter prompter;
        TFrmSearch dialog(filter, root(), prompter);
        dialog.show();
        dialog.LedtY1->setText(first);
        dialog.LedtY2->setText(last);
        click(dialog, "BtnSearch");
        QCOMPARE(prompter.log, Log{"message|" + message.toStdString() + "|年份错误|warning"});
        QVERIFY(dialog.isVisible());
    }

    void caseDialogChecksInOrder_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("notes");
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("matter");
        QTest::addColumn<QStringList>("boxes");  // after the question
        QTest::newRow("name first") << "" << "0" << "" << "" << "" << QStringList{"message|姓名不能为空|提示|information"};
        QTest::newRow("then the year") << "王五" << "0" << "" << "" << ""
                                       << QStringList{"message|年份必须在-850到2100年之间，并且没有公元0年\r\n注意：公元前用负数，比如公元前120年，就输入-120|年份错误|warning",
                                                      "focus|EdtYear"};
        QTest::newRow("then the notes") << "王五" << "-120" << "" << "" << ""
                                        << QStringList{"message|附加信息不能为空|错误|error"};
        QTest::newRow("then the class") << "王五" << "-120" << "备注" << "" << ""
                                        << QStringList{"message|类别不能为空|错误|error"};
        QTest::newRow("then the matter") << "王五" << "-120" << "备注" << "婚姻" << ""
                                         << QStringList{"message|占问事宜不能为空|错误|error"};
        QTest::newRow("all pass") << "王五" << "-120" << "备注" << "婚姻" << "合作" << QStringList{};
    }
    void caseDialogChecksInOrder() {
        QFETCH(QString, name);
        QFETCH(QString, year);
        QFETCH(QString, notes);
        QFETCH(QString, className);
        QFETCH(QString, matter);
        QFETCH(QStringList, boxes);
        auto form = workflow::CaseEditForm::ofRecord(sampleCase("张三", 2008), {"求财", "婚姻"});
        RecordingPrompter prompter;
        TFrmInfo dialog(form, prompter);
        dialog.show();
        QCOMPARE(dialog.EdtYear->text(), QStringLiteral("2008"));
        QCOMPARE(dialog.Memo1->toPlainText(), QStringLiteral("备注:"));
        QCOMPARE(dialog.cbos->currentText(), QString::fromStdString(workflow::hourItemText(10)));
        if (boxes.isEmpty()) leavePicture(dialog, "case-info.png");

        click(dialog, "BtnSave");  // No to the question: nothing checked, still open
        const std::string question = "ask|确定要保存修改吗？|提示|information|yes";
        QCOMPARE(prompter.log, Log{question});
        dialog.Edtname->setText(name);
        dialog.EdtYear->setText(year);
        dialog.Memo1->setPlainText(notes);
        dialog.CboFenLei->setEditText(className);
        dialog.CboEvent->setEditText(matter);
        prompter.log.clear();
        prompter.answers = {true};
        click(dialog, "BtnSave");
        Log expected{question};
        for (const QString& box : boxes) expected.push_back(box.toStdString());
        QCOMPARE(prompter.log, expected);
        QCOMPARE(dialog.isVisible(), !boxes.isEmpty());
        if (boxes.isEmpty()) {
            QCOMPARE(form.record.askerName, std::string("王五"));
            QCOMPARE(form.record.date.year, std::int16_t{-119});
            QCOMPARE(form.record.notes, std::string("备注\r\n"));
            QCOMPARE(form.record.className, std::string("婚姻"));
            QCOMPARE(form.record.matter, std::string("合作"));
        }
    }

    void caseDialogKeepsTextsWithinTheirBytes() {
        auto form = workflow::CaseEditForm::ofRecord(sampleCase("张三", -119), {});
        RecordingPrompter prompter;
        TFrmInfo dialog(form, prompter);
        QCOMPARE(dialog.EdtYear->text(), QStringLiteral("-120"));
        QCOMPARE(dialog.UpDyear->value(), -119);
        dialog.UpDyear->stepBy(120);
        QCOMPARE(dialog.EdtYear->text(), QStringLiteral("1"));
        dialog.Edtname->end(false);
        dialog.Edtname->insert(QStringLiteral("一二三四五六"));
        QCOMPARE(dialog.Edtname->text(), QStringLiteral("张三一二三"));
        dialog.Memo1->setPlainText(QString(600, QChar(0x4e00)));
        QCOMPARE(dialog.Memo1->toPlainText().size(), 500);
    }
};

}  // namespace qimen::app

QTEST_MAIN(qimen::app::CaseDialogsTest)
#include "case_dialogs_test.moc"
