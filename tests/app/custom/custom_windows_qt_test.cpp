// The custom-chart windows driven by object name, offscreen: the editor's
// questions and messages, what reaches dat/custom.dat, the chooser's
// printout and refusals, a damaged file in both windows, and the main
// window's handle on the chooser.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "custom/alias_groups.hpp"
#include "custom/custom_chart_file.hpp"
#include "custom_pan_window.hpp"
#include "files/data_root.hpp"
#include "recording_prompter.hpp"
#include "show_custom_window.hpp"
#include "window_png.hpp"

using namespace qimen;
using namespace qimen::app;
using qimen::app::testing::RecordingPrompter;

namespace {

QString q(const char* text) { return QString::fromUtf8(text); }

QByteArray readBytes(const std::filesystem::path& path) {
    QFile file(QString::fromStdString(path.string()));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const std::filesystem::path& path, const QByteArray& bytes) {
    QFile file(QString::fromStdString(path.string()));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

custom::CustomClass defaultsNamed(const char* name) {
    custom::CustomClass c = custom::defaultCustomClass();
    c.name = name;
    return c;
}

chart::ChartRequest hourRequest() {
    chart::ChartRequest request;
    request.inputDate = {2008, 8, 8, 20, 8};  // 庚辰日 丙戌时, 阴遁二局
    request.askerName = "张三";
    request.matter = "求财";
    return request;
}

void click(QWidget& window, const char* button) {
    auto* b = window.findChild<QPushButton*>(button);
    QVERIFY2(b, button);
    QTest::mouseClick(b, Qt::LeftButton);
}

QTableWidget* grid(QWidget& window, std::string_view name) {
    return window.findChild<QTableWidget*>(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
}

}  // namespace

class CustomWindowsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;
    std::filesystem::path root_;
    RecordingPrompter prompter_;

    std::filesystem::path customFile() const { return custom::CustomChartFile::pathIn(root_); }
    void seed(std::initializer_list<custom::CustomClass> classes) {
        custom::CustomChartFile file(customFile());
        QVERIFY(file.open());
        for (const auto& c : classes) QVERIFY(file.addClass(c));
    }
    std::optional<custom::CustomClass> stored(const char* name) {
        custom::CustomChartFile file(customFile());
        auto found = file.readClass(name);
        return found ? *found : std::nullopt;
    }
    std::unique_ptr<TFrmCustomPan> openEditor(std::optional<std::string> newName = std::nullopt) {
        auto pan = std::make_unique<TFrmCustomPan>(prompter_, root_);
        pan->setNameInput([newName](const QString& caption, const QString& prompt) -> std::optional<std::string> {
            if (caption != q("请输入新的类别名,最长为12个汉字") || prompt != q("新类名")) return std::nullopt;
            return newName;
        });
        pan->show();
        return pan;
    }

private slots:
    void initTestCase() { QFont::insertSubstitution(q("宋体"), q("AR PL UMing CN")); }

    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        root_ = dir_->path().toStdString();
        QVERIFY(files::prepareDataRoot(root_, files::shippedDefaultsDirectory()));
        prompter_ = {};
    }

    void editorWithoutClassesAsksForTheDefaultsAndNoLeavesTheRowsEmpty() {
        auto pan = openEditor();
        QCOMPARE(prompter_.take(), QStringList{q("ask|这将清除已输入信息,设置为默认值|注意|warning|no")});
        QCOMPARE(pan->windowTitle(), q("编辑自定义奇门盘"));
        for (const auto& info : custom::aliasGroups()) {
            if (auto* g = grid(*pan, info.control)) {
                QCOMPARE(g->columnCount(), static_cast<int>(info.defaults.size()));
                for (int c = 0; c < g->columnCount(); ++c) {
                    QCOMPARE(g->item(0, c)->text().toStdString(), std::string(info.defaults[static_cast<std::size_t>(c)]));
                    QVERIFY(g->item(1, c)->text().isEmpty());
                }
            } else {
                QVERIFY(pan->findChild<QLineEdit*>(QString::fromUtf8(info.control.data()))->text().isEmpty());
            }
        }
        QCOMPARE(pan->findChild<QComboBox*>("CboClass")->count(), 0);
    }

    void editorNewStoresTheFormUnderTheTypedNameAndSelectsIt() {
        prompter_.answers = {true};
        auto pan = openEditor("甲类");
        QCOMPARE(grid(*pan, "GrdGong")->item(1, 7)->text(), q("艮８"));
        QCOMPARE(pan->findChild<QLineEdit*>("LedtZhiFu")->text(), q("直符"));
        prompter_.take();
        grid(*pan, "GrdXing")->item(1, 2)->setText(q("病"));
        pan->findChild<QCheckBox*>("ChkShiDi")->setChecked(true);
        auto* hourStem = pan->findChild<QLineEdit*>("LedtShiGan");
        hourStem->clear();
        for (const char* typed : {"时", "辰", "干"}) hourStem->insert(q(typed));  // the edits take four GBK bytes
        QCOMPARE(hourStem->text(), q("时辰"));
        click(*pan, "BtoNew");
        QCOMPARE(prompter_.take(), QStringList{q("message|增加新类别成功!||none")});
        auto* classes = pan->findChild<QComboBox*>("CboClass");
        QCOMPARE(classes->count(), 1);
        QCOMPARE(classes->currentText(), q("甲类"));
        auto c = stored("甲类");
        QVERIFY(c);
        QCOMPARE(c->stars[2], std::string("病　"));  // one character completed with the full-width blank
        QVERIFY(c->hourStemOnEarth && !c->hourStemOnHeaven);
        QCOMPARE(c->hourStem, std::string("时辰"));
        QCOMPARE(c->palaces[0], std::string("离９"));
    }

    void editorNewWithoutANameDoesNothing() {
        prompter_.answers = {true};
        auto pan = openEditor(std::nullopt);
        prompter_.take();
        const QByteArray before = readBytes(customFile());
        click(*pan, "BtoNew");
        QVERIFY(prompter_.take().isEmpty());
        QCOMPARE(readBytes(customFile()), before);
    }

    void editorRefusesABadAliasWithItsGroupsMessage_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        const char* bad[] = {"m", "开门门", "", "乙a", "a", "地 ", "", "日干日", "x", "", "直使使"};
        int k = 0;
        for (const auto& info : custom::aliasGroups()) {
            const QString control = QString::fromUtf8(info.control.data(), static_cast<qsizetype>(info.control.size()));
            QTest::newRow(qPrintable(control)) << control << q(bad[k++])
                                               << QString::fromStdString(custom::aliasErrorMessage(info.group));
        }
    }

    void editorRefusesABadAliasWithItsGroupsMessage() {
        QFETCH(QString, control);
        QFETCH(QString, text);
        QFETCH(QString, message);
        prompter_.answers = {true};
        auto pan = openEditor("甲类");
        prompter_.take();
        // A later group broken too: the first group in reading order speaks.
        if (control != "LedtZhiShi") pan->findChild<QLineEdit*>("LedtZhiShi")->setText("zz");
        if (auto* g = pan->findChild<QTableWidget*>(control))
            g->item(1, g->columnCount() - 1)->setText(text);
        else
            pan->findChild<QLineEdit*>(control)->setText(text);
        const QByteArray before = readBytes(customFile());
        click(*pan, "BtoNew");
        QCOMPARE(prompter_.take(), QStringList{"message|" + message + q("|输入错误|error")});
        QCOMPARE(readBytes(customFile()), before);
        QCOMPARE(pan->findChild<QComboBox*>("CboClass")->count(), 0);
    }

    void editorSaveAsksThenRewritesTheSelectedClass() {
        seed({defaultsNamed("甲类"), defaultsNamed("乙类")});
        auto pan = openEditor();
        QVERIFY(prompter_.take().isEmpty());
        grid(*pan, "GrdMen")->item(1, 0)->setText(q("景"));
        pan->findChild<QCheckBox*>("ChkZhiFu")->setChecked(true);
        const QByteArray before = readBytes(customFile());
        click(*pan, "BtoSave");  // answered No
        QCOMPARE(prompter_.take(), QStringList{q("ask|确定输入信息正确,要保存吗|注意|warning|yes")});
        QCOMPARE(readBytes(customFile()), before);
        prompter_.answers = {true};
        click(*pan, "BtoSave");
        QCOMPARE(prompter_.take(), (QStringList{q("ask|确定输入信息正确,要保存吗|注意|warning|yes"), q("message|完成修改!||none")}));
        auto c = stored("甲类");
        QVERIFY(c && c->useLeaderStar);
        QCOMPARE(c->doors[0], std::string("景　"));
        QCOMPARE(stored("乙类")->doors[0], std::string("景门"));
    }

    void editorClassChangeLoadsThatClass() {
        custom::CustomClass second = defaultsNamed("乙类");
        second.stars[0] = "英英";
        second.dayStemOnHeaven = true;
        seed({defaultsNamed("甲类"), second});
        auto pan = openEditor();
        auto* classes = pan->findChild<QComboBox*>("CboClass");
        QCOMPARE(classes->currentText(), q("甲类"));
        QTest::keyClick(classes, Qt::Key_Down);
        QCOMPARE(classes->currentText(), q("乙类"));
        QCOMPARE(grid(*pan, "GrdXing")->item(1, 0)->text(), q("英英"));
        QVERIFY(pan->findChild<QCheckBox*>("ChkRiTian")->isChecked());
        QCOMPARE(grid(*pan, "GrdXing")->item(0, 0)->text(), q("天英"));
    }

    void editorDeleteAsksWithTheNameNoByDefault() {
        seed({defaultsNamed("甲类"), defaultsNamed("乙类")});
        auto pan = openEditor();
        const QByteArray before = readBytes(customFile());
        click(*pan, "BtoDel");
        QCOMPARE(prompter_.take(), QStringList{q("ask|确定要删除\"甲类\"这个类别吗?|注意|warning|no")});
        QCOMPARE(readBytes(customFile()), before);
        prompter_.answers = {true};
        click(*pan, "BtoDel");
        QCOMPARE(prompter_.take().last(), q("message|已删除!||none"));
        auto* classes = pan->findChild<QComboBox*>("CboClass");
        QCOMPARE(classes->count(), 1);
        QCOMPARE(classes->itemText(0), q("乙类"));
        QVERIFY(!stored("甲类"));
        // With no class selected, 保存 and 删除 do nothing.
        click(*pan, "BtoSave");
        click(*pan, "BtoDel");
        QVERIFY(prompter_.take().isEmpty());
    }

    void damagedFileIsReportedInBothWindowsAndKept_data() {
        QTest::addColumn<QString>("sample");
        QTest::newRow("count beyond its slots") << "CountBeyondSlots.dat";
        QTest::newRow("truncated count") << "TruncatedCount.dat";
        QTest::newRow("negative count") << "NegativeCount.dat";
    }

    void damagedFileIsReportedInBothWindowsAndKept() {
        QFETCH(QString, sample);
        const QByteArray damaged = readBytes(std::filesystem::path(QIMEN_SOURCE_DIR) / "tests/custom/data" / sample.toStdString());
        QVERIFY(!damaged.isEmpty());
        writeBytes(customFile(), damaged);

        prompter_.answers = {true, true, true, true};
        auto pan = openEditor("新类");
        QStringList shown = prompter_.take();
        QVERIFY2(!shown.isEmpty() && shown[0].startsWith("message|") && shown[0].endsWith(q("|错误|error")),
                 qPrintable(shown.join('\n')));
        QVERIFY(!shown.join('\n').contains(q("这将清除已输入信息")));  // never offers the defaults over a damaged file
        pan->findChild<QLineEdit*>("LedtRiGan")->setText(q("日干"));
        for (const char* action : {"BtoNew", "BtoSave", "BtoDel"}) click(*pan, action);
        for (const QString& line : prompter_.take())
            QVERIFY2(!line.contains(q("成功")) && !line.contains(q("完成修改")) && !line.contains(q("已删除")), qPrintable(line));
        pan.reset();

        TFrmShowCustom chooser(prompter_, {root_, {}}, hourRequest());
        chooser.show();
        shown = prompter_.take();
        QVERIFY2(!shown.isEmpty() && shown[0].endsWith(q("|错误|error")), qPrintable(shown.join('\n')));
        click(chooser, "BtoCustomPan");
        QCOMPARE(readBytes(customFile()), damaged);
    }

    void chooserViewPrintsTheChosenClassForTheCopiedInputs() {
        seed({defaultsNamed("默认")});
        TFrmShowCustom chooser(prompter_, {root_, {}}, hourRequest());
        chooser.show();
        QCOMPARE(chooser.windowTitle(), q("自定义奇门盘"));
        QCOMPARE(chooser.findChild<QComboBox*>("CboClass")->currentText(), q("默认"));
        auto* memo = chooser.findChild<QPlainTextEdit*>("MeoCustomText");
        QCOMPARE(memo->font().family(), q("宋体"));
        QCOMPARE(QFontInfo(memo->font()).family(), q("AR PL UMing CN"));
        click(chooser, "BtoCustomPan");
        QVERIFY(prompter_.take().isEmpty());
        QString expected = QString::fromUtf8(readBytes(std::filesystem::path(QIMEN_SOURCE_DIR) / "tests/data/custom_charts/default_aliases.txt"));
        expected.remove('\r');
        QCOMPARE(memo->toPlainText(), expected);
    }

    void chooserRefusalsLeaveTheMemoAlone_data() {
        QTest::addColumn<int>("method");
        QTest::addColumn<bool>("flyingPlate");
        QTest::addColumn<bool>("classGone");
        QTest::addColumn<QString>("line");
        const QString hourOnly = q("message|只有时家转盘才能显示自定义奇门盘!|错误|error");
        QTest::newRow("day chart") << 1 << false << false << hourOnly;
        QTest::newRow("given ju") << 250 << false << false << hourOnly;
        QTest::newRow("flying plate") << 0 << true << false << hourOnly;
        QTest::newRow("class deleted meanwhile") << 0 << false << true << q("message|找不到这个类别,无法排盘!||none");
    }

    void chooserRefusalsLeaveTheMemoAlone() {
        QFETCH(int, method);
        QFETCH(bool, flyingPlate);
        QFETCH(bool, classGone);
        QFETCH(QString, line);
        seed({defaultsNamed("默认")});
        if (flyingPlate) {
            const auto ini = files::datDirectory(root_) / "set.ini";
            writeBytes(ini, readBytes(ini).replace("pan=0", "pan=1"));
        }
        chart::ChartRequest request = hourRequest();
        request.method = static_cast<chart::ChartMethod>(method);
        request.givenJu = method == 250 ? 2 : 0;
        TFrmShowCustom chooser(prompter_, {root_, {}}, request);
        chooser.show();
        if (classGone) QVERIFY(*custom::CustomChartFile(customFile()).deleteClass("默认"));
        auto* memo = chooser.findChild<QPlainTextEdit*>("MeoCustomText");
        memo->setPlainText(q("上一次的盘"));
        click(chooser, "BtoCustomPan");
        QCOMPARE(prompter_.take(), QStringList{line});
        QCOMPARE(memo->toPlainText(), q("上一次的盘"));
    }

    void handleKeepsOneChooserOnTopUntilClosed() {
        seed({defaultsNamed("默认")});
        QWidget mainWindow;
        CustomChartWindow handle(&mainWindow, prompter_, root_);
        QVERIFY(!handle.window());
        handle.close();  // nothing open: nothing happens
        handle.show(hourRequest());
        QPointer<TFrmShowCustom> first = handle.window();
        QVERIFY(first && first->isVisible() && !first->isModal() && first->isWindow());
        QVERIFY(first->windowFlags() & Qt::WindowStaysOnTopHint);

        chart::ChartRequest later = hourRequest();
        later.inputDate.hour = 8;
        handle.show(later);  // SbtoCustomPan again: the same window, the new inputs
        QCOMPARE(handle.window(), first.data());
        QVERIFY(first->chooser().request() == later);

        handle.close();  // a successful 排盘 or 查看
        QVERIFY(!first && !handle.window());

        handle.show(hourRequest());
        QPointer<TFrmShowCustom> second = handle.window();
        click(*second, "Button1");  // 关闭 forgets it
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!second && !handle.window());
        QVERIFY(prompter_.take().isEmpty());
    }

    void windowsRenderToPng() {
        custom::CustomClass marked = defaultsNamed("示例");
        marked.stars[2] = "病星";
        marked.useLeaderStar = true;
        seed({marked, defaultsNamed("默认")});
        const QString out = qEnvironmentVariableIsSet("QIMEN_SCREENSHOT_DIR") ? qEnvironmentVariable("QIMEN_SCREENSHOT_DIR") : dir_->path();
        auto pan = openEditor();
        QVERIFY(saveWindowPng(*pan, out + "/TFrmCustomPan.png"));
        TFrmShowCustom chooser(prompter_, {root_, {}}, hourRequest());
        chooser.show();
        click(chooser, "BtoCustomPan");
        QVERIFY(saveWindowPng(chooser, out + "/TFrmShowCustom.png"));
        for (const char* name : {"/TFrmCustomPan.png", "/TFrmShowCustom.png"}) {
            QImage image(out + name);
            QVERIFY(!image.isNull() && image.width() > 300 && image.height() > 200);
        }
        QVERIFY(!saveWindowPng(chooser, out + "/no such folder/x.png"));
    }
};

QTEST_MAIN(CustomWindowsTest)
#include "custom_windows_qt_test.moc"
