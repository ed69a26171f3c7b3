// The main window driven by object name: 排盘 fills the pane, each failed
// check shows its box and focuses its control, the grid's columns line up in
// the pane's layout, and the window settings survive a restart.
#include <QAbstractTextDocumentLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>
#include <QTreeView>

#include "app_fixture.hpp"
#include "files/window_settings.hpp"

using namespace qimen;
using namespace qimen::app;
using namespace qimen::app::testing;

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void chartFillsThePaneAndTheMemo() {
        DataRoot root;
        PromptRecorder recorder;
        auto window = openWindow(root.path(), recorder);
        setMoment(*window, "2008", 8, 8, 20);
        window->CboPanShi->setCurrentIndex(1);
        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(window->findChild<QPushButton*>("Btnpai"), Qt::LeftButton);
        const double ms = clock.nsecsElapsed() / 1e6;
        clock.restart();
        QTest::mouseClick(window->Btnpai, Qt::LeftButton);
        std::printf("排盘 click to filled pane (hour chart with analysis, no warm-up): first %.1f ms, again %.1f ms\n", ms,
                    clock.nsecsElapsed() / 1e6);
        QVERIFY2(recorder.log.isEmpty(), qPrintable(recorder.log.join('\n')));
        const QString text = window->findChild<QTextEdit*>("RedtQiMen")->toPlainText();
        QVERIFY(text.contains(QString::fromUtf8("奇门盘式:时家奇门")));
        QVERIFY(text.contains(QString::fromUtf8("阴遁二局")));
        QVERIFY(text.contains(QString::fromUtf8("┌")));
        QVERIFY(!window->findChild<QPlainTextEdit*>("MeoInfo")->toPlainText().isEmpty());
        QVERIFY(window->consultation().chartValid());
        QVERIFY(!window->pane().modified());
    }

    void failedCheckShowsItsBoxAndFocusesItsControl_data() {
        QTest::addColumn<int>("methodItem");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("matter");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("control");
        const QString year = QString::fromUtf8(
            "message|年份必须在-850到2100年之间，并且没有公元0年\r\n注意：公元前用负数，比如公元前120年，就输入-120|年份错误|warning");
        const QString someone = QString::fromUtf8("某人"), matter = QString::fromUtf8("事");
        QTest::newRow("blank method") << 2 << someone << matter << "2008"
                                      << QString::fromUtf8("message|必须选择一个盘式|选择盘式|error") << "CboPanShi";
        QTest::newRow("empty name") << 1 << "" << matter << "2008"
                                    << QString::fromUtf8("message|姓名不能为空|提示|information") << "Edtname";
        QTest::newRow("empty matter") << 1 << someone << "" << "2008"
                                      << QString::fromUtf8("message|占问事宜不能为空|提示|information") << "LedtEvent";
        QTest::newRow("year not a number") << 1 << someone << matter << "abc" << year << "EdtYear";
        QTest::newRow("year 0") << 1 << someone << matter << "0" << year << "EdtYear";
        QTest::newRow("year past 2100") << 1 << someone << matter << "2101" << year << "EdtYear";
        QTest::newRow("year before -850") << 1 << someone << matter << "-851" << year << "EdtYear";
    }
    void failedCheckShowsItsBoxAndFocusesItsControl() {
        QFETCH(int, methodItem);
        QFETCH(QString, name);
        QFETCH(QString, matter);
        QFETCH(QString, year);
        QFETCH(QString, box);
        QFETCH(QString, control);
        DataRoot root;
        PromptRecorder recorder;
        auto window = openWindow(root.path(), recorder);
        window->CboPanShi->setCurrentIndex(methodItem);
        window->Edtname->setText(name);
        window->LedtEvent->setText(matter);
        window->EdtYear->setText(year);
        window->Btnpai->setFocus();
        QTest::mouseClick(window->Btnpai, Qt::LeftButton);
        QCOMPARE(recorder.log, (QStringList{box, "focus|" + control}));
        QCOMPARE(window->focusWidget(), window->findChild<QWidget*>(control));
        QVERIFY(window->findChild<QTextEdit*>("RedtQiMen")->toPlainText().isEmpty());
        QVERIFY(!window->consultation().chartValid());
    }

    void topicBeforeAChartAsksForOne() {
        DataRoot root;
        PromptRecorder recorder;
        auto window = openWindow(root.path(), recorder);
        window->findChild<QWidget*>("TbtoQiuCai")->setFocus();
        QTest::mouseClick(window->findChild<QWidget*>("TbtoQiuCai"), Qt::LeftButton);
        QCOMPARE(recorder.log, QStringList{QString::fromUtf8("message|请先排一个正确的奇门盘|先排盘|information")});
    }

    // Every vertical box line of the grid stands at the same x in every row,
    // and the corners and crossings of the frame lines stand on them.
    void gridColumnsLineUpInThePaneLayout() {
        DataRoot root;
        PromptRecorder recorder;
        auto window = openWindow(root.path(), recorder);
        setMoment(*window, "2008", 8, 8, 20);
        window->BtnpaiClick();
        QTextDocument* document = window->RedtQiMen->document();
        document->documentLayout();  // lays the document out
        const QString verticals = QString::fromUtf8("│┌┬┐├┼┤└┴┘");
        QList<qreal> columns;
        int gridRows = 0;
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
            const QString text = block.text();
            QList<qreal> xs;
            for (int i = 0; i < text.size(); ++i) {
                if (!verticals.contains(text[i])) continue;
                QTextLine line = block.layout()->lineForTextPosition(i);
                QVERIFY(line.isValid());
                xs.append(line.cursorToX(i));
            }
            if (xs.isEmpty()) continue;
            ++gridRows;
            if (columns.isEmpty()) columns = xs;
            QCOMPARE(xs.size(), columns.size());
            for (int c = 0; c < xs.size(); ++c)
                QVERIFY2(std::abs(xs[c] - columns[c]) < 0.5,
                         qPrintable(QStringLiteral("row %1 column %2: %3 against %4").arg(gridRows).arg(c).arg(xs[c]).arg(columns[c])));
        }
        QVERIFY(gridRows >= 13);  // 3 rows of 4 text lines and 4 frame lines
        QCOMPARE(columns.size(), 4);
        const qreal width = columns[1] - columns[0];
        QVERIFY(std::abs((columns[2] - columns[1]) - width) < 0.5);
        QVERIFY(std::abs((columns[3] - columns[2]) - width) < 0.5);
    }

    void closingWritesTheWindowSettingsAndTheNextStartRestoresThem() {
        DataRoot root;
        PromptRecorder recorder;
        {
            auto window = openWindow(root.path(), recorder);
            window->resize(900, 640);
            window->move(40, 30);
            window->CboPanShi->setCurrentIndex(5);
            window->cbodiZ->setCurrentIndex(1);
            window->cbodiZClick(1);  // 北京市
            window->cbodiC->setCurrentIndex(2);
            workflow::PaneFont font = window->pane().font();
            font.points = 14;
            window->pane().setFont(font);
            window->splitter->setSizes({150, 600, 120});
            window->close();
        }
        auto stored = files::readWindowSettings(root.path());
        QVERIFY(stored);
        QCOMPARE(stored->state, 0L);
        QCOMPARE(stored->width, 900L);
        QCOMPARE(stored->chartMethodItem, 5L);
        QCOMPARE(stored->province, 1L);
        QCOMPARE(stored->city, 2L);
        QCOMPARE(stored->fontSize, 14L);
        QCOMPARE(stored->fontName, std::string("宋体"));
        {
            auto window = openWindow(root.path(), recorder);
            QCOMPARE(window->CboPanShi->currentIndex(), 5);
            QCOMPARE(window->cbodiZ->currentIndex(), 1);
            QCOMPARE(window->cbodiC->currentIndex(), 2);
            QCOMPARE(window->pane().font().points, 14);
            QCOMPARE(window->size(), QSize(900, 640));
            window->setWindowState(Qt::WindowMaximized);
            window->close();
        }
        stored = files::readWindowSettings(root.path());
        QCOMPARE(stored->state, 2L);
        QCOMPARE(stored->width, 900L);  // a maximized window keeps the normal bounds
        auto window = openWindow(root.path(), recorder);
        QVERIFY(window->windowState() & Qt::WindowMaximized);
        QVERIFY2(recorder.log.isEmpty(), qPrintable(recorder.log.join('\n')));
    }

    void aSavedCaseIsListedAndViewingItTurnsTheSaveButtonToRewrite() {
        DataRoot root;
        PromptRecorder recorder;
        auto window = openWindow(root.path(), recorder);
        window->attachClassifyDialog([](workflow::ClassificationForm& form) {
            form.className = "测试";
            form.notes = "备注:无";
            return true;
        });
        setMoment(*window, "2008", 8, 8, 20);
        window->Edtname->setText(QString::fromUtf8("张三"));
        QTest::mouseClick(window->Btnpai, Qt::LeftButton);
        QTest::mouseClick(window->findChild<QWidget*>("SbtoSave"), Qt::LeftButton);
        QAbstractItemModel* list = window->ListView1->model();
        QCOMPARE(list->rowCount(), 1);
        QCOMPARE(list->index(0, 0).data().toString(), QString::fromUtf8("张三"));
        QCOMPARE(list->index(0, 2).data().toString(), QString::fromUtf8("测试"));

        window->BtoNewClick();
        QVERIFY(window->RedtQiMen->toPlainText().isEmpty());
        window->ListView1->setCurrentIndex(list->index(0, 0));
        window->pmenu_r_paiClick();
        QCOMPARE(window->findChild<QAbstractButton*>("SbtoSave")->text(), QString::fromUtf8("存旧"));
        QVERIFY(window->RedtQiMen->toPlainText().contains(QString::fromUtf8("张三")));
        QVERIFY2(recorder.log.isEmpty(), qPrintable(recorder.log.join('\n')));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
