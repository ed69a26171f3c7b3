// The window's side of the boundary report: the warning strip above the pane
// (shown for a chart one minute before 立春 2024, hidden for a plain chart,
// a click shows the details), 选项 → 对照 (differing palaces red, identical
// charts said so, invalid inputs refused as 排盘 refuses them) and the two
// settings of the day change and the 月将 in the settings dialog.
#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBlock>
#include <QTextEdit>

#include "app_fixture.hpp"
#include "chart/chart_settings.hpp"
#include "compare_window.hpp"
#include "settings_dialog.hpp"
#include "warning_strip.hpp"

using namespace qimen;
using namespace qimen::app;
using namespace qimen::app::testing;

namespace {

// The text of a pane drawn in red.
QString redText(const QTextEdit& edit) {
    QString red;
    for (QTextBlock block = edit.document()->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().foreground().color() == QColor(Qt::red)) red += it.fragment().text();
    return red;
}

TFrmCompare* compare(TFrmMain& window, const char* key) {
    window.findChild<QAction*>(QStringLiteral("OmenuCompare_") + QString::fromLatin1(key))->trigger();
    return window.findChild<TFrmCompare*>();
}

}  // namespace

class BoundaryWindowTest : public QObject {
    Q_OBJECT
private slots:
    void theStripShowsTheWarningsOfTheLastChartOnly() {
        DataRoot root;
        PromptRecorder recorder;
        auto window = openWindow(root.path(), recorder);
        setMoment(*window, "2024", 2, 4, 16, 26);
        QTest::mouseClick(window->Btnpai, Qt::LeftButton);
        QVERIFY(window->warningStrip->isVisible());
        auto* line = window->findChild<QLabel*>("WarningLine0");
        QVERIFY(line);
        QVERIFY2(line->text().startsWith(QString::fromUtf8("注意：距立春（2024-02-04 16:27）还有1分钟")),
                 qPrintable(line->text()));
        QApplication::processEvents();
        QVERIFY(window->warningStrip->geometry().bottom() < window->RedtQiMen->geometry().top());
        QVERIFY(recorder.log.isEmpty());
        QTest::mouseClick(line, Qt::LeftButton);
        QCOMPARE(recorder.log.size(), 1);
        QVERIFY2(recorder.log[0].startsWith(QString::fromUtf8("message|距立春")), qPrintable(recorder.log[0]));
        QVERIFY(recorder.log[0].contains(QString::fromUtf8("本盘：")));
        QVERIFY(recorder.log[0].contains(QString::fromUtf8("甲辰年 丙寅月")));
        QVERIFY(recorder.log[0].endsWith(QString::fromUtf8("|注意|warning")));

        setMoment(*window, "2008", 8, 8, 20);
        QTest::mouseClick(window->Btnpai, Qt::LeftButton);
        QVERIFY(!window->warningStrip->isVisible());
        QVERIFY(!window->findChild<QLabel*>("WarningLine0"));
        QApplication::processEvents();
        QCOMPARE(window->RedtQiMen->y(), 0);  // the pane where it always was
    }

    void compareMarksTheDifferingPalacesOrSaysTheChartsAgree() {
        DataRoot root;
        PromptRecorder recorder;
        auto window = openWindow(root.path(), recorder);
        setMoment(*window, "2024", 2, 2, 10);
        QTest::mouseClick(window->Btnpai, Qt::LeftButton);
        TFrmCompare* shown = compare(*window, "ju");
        QVERIFY2(shown && recorder.log.isEmpty(), qPrintable(recorder.log.join('\n')));
        QVERIFY(shown->isVisible());
        QCOMPARE(shown->windowTitle(), QString::fromUtf8("对照：拆补法 / 置闰法"));
        QVERIFY(shown->side(0)->toPlainText().startsWith(QString::fromUtf8("拆补法\n")));
        QVERIFY(shown->side(1)->toPlainText().startsWith(QString::fromUtf8("置闰法\n")));
        QVERIFY(shown->side(0)->toPlainText().contains(QString::fromUtf8("阳遁三局")));
        QVERIFY(shown->side(1)->toPlainText().contains(QString::fromUtf8("阳遁八局")));
        QVERIFY(!redText(*shown->side(0)).isEmpty());
        QVERIFY(!redText(*shown->side(1)).isEmpty());
        QVERIFY(shown->differences()->text().startsWith(QString::fromUtf8("不同：巽4宫")));
        if (qEnvironmentVariableIsSet("QIMEN_SCREENSHOT_DIR"))
            QVERIFY(shown->grab().save(qEnvironmentVariable("QIMEN_SCREENSHOT_DIR") + "/TFrmCompare.png"));

        setMoment(*window, "2008", 8, 8, 20);
        QTest::mouseClick(window->Btnpai, Qt::LeftButton);
        QCOMPARE(compare(*window, "ju"), shown);  // the same window, brought up again
        QCOMPARE(shown->differences()->text(), QString::fromUtf8("两种方法此刻相同"));
        QVERIFY(redText(*shown->side(0)).isEmpty());
        QVERIFY(redText(*shown->side(1)).isEmpty());
        QVERIFY(recorder.log.isEmpty());
    }

    void compareBeforeAnyChartAsksForOne() {
        DataRoot root;
        PromptRecorder recorder;
        auto window = openWindow(root.path(), recorder);
        QVERIFY(!compare(*window, "pan"));
        QCOMPARE(recorder.log.size(), 1);
        QVERIFY2(recorder.log[0].endsWith(QString::fromUtf8("|先排盘|information")), qPrintable(recorder.log[0]));
    }

    void theSettingsDialogKeepsTheDayChangeAndTheMonthGeneral() {
        DataRoot root;
        PromptRecorder recorder;
        const auto path = chart::chartSettingsPath(root.path());
        {
            TFrmSet dialog(root.path(), recorder.hook());
            QVERIFY(dialog.findChild<QRadioButton*>("GpZiShi_0")->isChecked());
            QVERIFY(dialog.findChild<QRadioButton*>("GpYueJiang_0")->isChecked());
            QCOMPARE(dialog.findChild<QRadioButton*>("GpZiShi_1")->text(), QString::fromUtf8("零时换日"));
            if (qEnvironmentVariableIsSet("QIMEN_SCREENSHOT_DIR")) {
                dialog.show();
                QVERIFY(dialog.grab().save(qEnvironmentVariable("QIMEN_SCREENSHOT_DIR") + "/TFrmSet.png"));
            }
            dialog.findChild<QRadioButton*>("GpZiShi_1")->setChecked(true);
            dialog.findChild<QRadioButton*>("GpYueJiang_1")->setChecked(true);
            QTest::mouseClick(dialog.findChild<QPushButton*>("BtnSet"), Qt::LeftButton);
        }
        chart::ChartSettings settings = chart::loadChartSettings(path);
        QCOMPARE(int(settings.zishi), 1);
        QCOMPARE(int(settings.yuejiang), 1);
        TFrmSet again(root.path(), recorder.hook());
        QVERIFY(again.findChild<QRadioButton*>("GpZiShi_1")->isChecked());
        QVERIFY(again.findChild<QRadioButton*>("GpYueJiang_1")->isChecked());
        QTest::mouseClick(again.findChild<QPushButton*>("BtnDefault"), Qt::LeftButton);
        QTest::mouseClick(again.findChild<QPushButton*>("BtnSet"), Qt::LeftButton);
        settings = chart::loadChartSettings(path);
        QCOMPARE(int(settings.zishi) + int(settings.yuejiang), 0);
        QVERIFY(recorder.log.isEmpty());
    }
};

QTEST_MAIN(BoundaryWindowTest)
#include "boundary_window_test.moc"
