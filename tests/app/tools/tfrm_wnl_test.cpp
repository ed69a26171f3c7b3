// TFrmWnl driven by its controls' names: the pillars of a moment, the terms
// of February 2000, a click on a day, the refused 31 April, the year edit and
// arrows, the month limits, and the picture of a month.
#include <QApplication>
#include <QImage>
#include <QtTest>

#include "window_test_support.hpp"
#include "calendar_screenshot.hpp"
#include "tfrm_wnl.hpp"

namespace qimen::app {

using namespace testing;

class TFrmWnlTest : public QObject {
    Q_OBJECT

    RecordingPrompter prompter;
    std::unique_ptr<TFrmWnl> window;

    void open(int year, int month, int day, int hour = 0, int minute = 0) {
        prompter = {};
        const auto at = calendar::CivilDateTime{static_cast<std::int16_t>(year), static_cast<std::int16_t>(month),
                                                static_cast<std::int16_t>(day), static_cast<std::int16_t>(hour),
                                                static_cast<std::int16_t>(minute)};
        window = std::make_unique<TFrmWnl>(prompter, [at] { return at; });
        window->show();
    }
    template <typename T>
    T* control(const char* name) {
        return testing::control<T>(*window, name);
    }
    QString text(const char* name) { return control<QPlainTextEdit>(name)->toPlainText(); }
    QString label(const char* name) { return control<QLabel>(name)->text(); }
    void clickDay(int day) {
        auto* image = control<CalendarImage>("Img1");
        const auto& page = image->sheet()->page;
        QTest::mouseClick(image, Qt::LeftButton, {}, image->cellRect(page.rowOf(day), page.columnOf(day)).center());
    }

private slots:
    void aFixedStayOnTopWindowShowsTheMomentsPillars() {
        open(2000, 1, 1);
        QCOMPARE(window->windowTitle(), QStringLiteral("Zelvane万年历"));
        QVERIFY(window->windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(window->minimumSize(), window->maximumSize());
        QCOMPARE(control<CalendarImage>("Img1")->size(), QSize(450, 330));
        QCOMPARE(label("labtitle"), QStringLiteral("2000年1月"));
        QCOMPARE(label("labxiao"), QStringLiteral("兔年"));
        QCOMPARE(text("memgz"), QStringLiteral("己卯年\n丙子月\n戊午日\n壬子时"));
        QCOMPARE(control<QCheckBox>("chkjq")->text(), QStringLiteral("节气换月"));
        QVERIFY(control<QCheckBox>("chkjq")->isChecked());
        QCOMPARE(control<QComboBox>("cbomin")->count(), 60);
        QVERIFY(prompter.log.empty());
    }

    void februaryShowsItsTermsAndAClickSelectsADay() {
        open(2000, 1, 1);
        control<QComboBox>("cbom")->setCurrentIndex(1);
        QCOMPARE(text("memjie1"), QStringLiteral("立春4日20时40分"));
        QCOMPARE(text("memjie2"), QStringLiteral("雨水19日16时33分"));
        auto* image = control<CalendarImage>("Img1");
        const auto& page = image->sheet()->page;
        QCOMPARE(image->sheet()->cell(page.rowOf(4), page.columnOf(4)).term, std::string("立春"));
        QCOMPARE(image->sheet()->cell(page.rowOf(19), page.columnOf(19)).term, std::string("雨水"));
        clickDay(19);
        QCOMPARE(control<QComboBox>("cbod")->currentIndex(), 18);
        QCOMPARE(control<QFrame>("Shape1")->geometry().topLeft(), image->cellRect(page.rowOf(19), page.columnOf(19)).topLeft());
        QTest::mouseClick(image, Qt::LeftButton, {}, image->cellRect(0, 3).center());  // the header row selects nothing
        QCOMPARE(control<QComboBox>("cbod")->currentIndex(), 18);
        control<QComboBox>("cbos")->setCurrentIndex(20);
        control<QComboBox>("cbod")->setCurrentIndex(3);
        control<QComboBox>("cbomin")->setCurrentIndex(40);  // 立春 2000-02-04 20:40
        QCOMPARE(label("labxiao"), QStringLiteral("龙年"));
        control<QCheckBox>("chkjq")->setChecked(false);  // still lunar 1999
        QCOMPARE(label("labxiao"), QStringLiteral("兔年"));
        QVERIFY(prompter.log.empty());
    }

    void the31stOfAprilIsRefusedAndTheViewKept() {
        open(2000, 3, 31);
        control<QComboBox>("cbom")->setCurrentIndex(3);
        QCOMPARE(prompter.log, (Log{"message|不存在这个日期，请重新输入！|日期不对|information"}));
        QCOMPARE(label("labtitle"), QStringLiteral("2000年3月"));
    }

    void theYearEditAndArrows() {
        open(2000, 1, 1);
        auto* year = control<QLineEdit>("EdtYear");
        year->setText(QStringLiteral("2051"));
        QTest::keyClick(year, Qt::Key_Return);
        QCOMPARE(prompter.log, (Log{"message|年份在1900-2050之间|错误|error"}));
        year->setText(QStringLiteral("1999"));
        QTest::keyClick(year, Qt::Key_Return);
        QCOMPARE(label("labtitle"), QStringLiteral("1999年1月"));
        QCOMPARE(control<QScrollBar>("UdYear")->value(), 99);
        control<QScrollBar>("UdYear")->setValue(150);
        QCOMPARE(year->text(), QStringLiteral("2050"));
        QCOMPARE(label("labtitle"), QStringLiteral("2050年1月"));
    }

    void monthButtonsStopAtTheEndsAndNowReturns() {
        open(2050, 12, 15);
        QTest::mouseClick(control<QToolButton>("BitBtn1"), Qt::LeftButton);
        QCOMPARE(label("labtitle"), QStringLiteral("2050年12月"));
        QCOMPARE(control<QComboBox>("cbod")->currentIndex(), 14);
        QTest::mouseClick(control<QToolButton>("BitBtn2"), Qt::LeftButton);
        QCOMPARE(label("labtitle"), QStringLiteral("2050年11月"));
        QCOMPARE(control<QComboBox>("cbod")->currentIndex(), 0);
        QTest::mouseClick(control<QToolButton>("sbtnnow"), Qt::LeftButton);
        QCOMPARE(label("labtitle"), QStringLiteral("2050年12月"));
        QCOMPARE(control<QComboBox>("cbod")->currentIndex(), 14);
        open(1900, 1, 15);
        QTest::mouseClick(control<QToolButton>("BitBtn2"), Qt::LeftButton);
        QCOMPARE(label("labtitle"), QStringLiteral("1900年1月"));
        QTest::mouseClick(control<QToolButton>("BitBtn1"), Qt::LeftButton);
        QCOMPARE(label("labtitle"), QStringLiteral("1900年2月"));
        QVERIFY(prompter.log.empty());
    }

    // Writes calendar-2000-02.png beside the test for a look: the grid, the
    // lunar days, 立春 on the 4th and 雨水 on the 19th in red.
    void februaryPictureShowsTheTermsInRed() {
        auto options = parseCalendarScreenshotOptions(
            {"qimen-workbench", "--screenshot-calendar", "out.png", "--month", "2000-02"});
        QVERIFY(options && *options);
        QCOMPARE((*options)->year, 2000);
        QCOMPARE((*options)->month, 2);
        QVERIFY(!parseCalendarScreenshotOptions({"x", "--screenshot-calendar", "a.png", "--month", "2000-13"}));
        QVERIFY(!renderCalendarPng(QStringLiteral("x.png"), 2051, 1));

        const QString file = QStringLiteral(QIMEN_TEST_OUTPUT_DIR "/calendar-2000-02.png");
        QFile::remove(file);
        auto written = renderCalendarPng(file, 2000, 2);
        QVERIFY2(written, written.message().c_str());
        QImage image(file);
        QVERIFY(!image.isNull());
        open(2000, 2, 1);
        auto* img1 = control<CalendarImage>("Img1");
        const QPoint origin = img1->mapTo(window.get(), QPoint(0, 0));
        const auto& page = img1->sheet()->page;
        auto redIn = [&](int day) {
            int red = 0;
            const QRect cell = img1->cellRect(page.rowOf(day), page.columnOf(day)).translated(origin);
            for (int y = cell.top(); y < cell.top() + cell.height() / 2; ++y)
                for (int x = cell.left(); x <= cell.right(); ++x) {
                    const QColor c = image.pixelColor(x, y);
                    if (c.red() > 200 && c.green() < 160 && c.blue() < 130) ++red;  // red over the yellow, edges too
                }
            return red;
        };
        QVERIFY2(redIn(4) > 20, "立春 is painted red");
        QVERIFY2(redIn(19) > 20, "雨水 is painted red");
        QCOMPARE(redIn(5), 0);
        QCOMPARE(image.pixelColor(origin + QPoint(2, 2)), QColor(0xFF, 0xFF, 0xC8));
        qInfo("picture: %s", qPrintable(file));
    }
};

}  // namespace qimen::app

QTEST_MAIN(qimen::app::TFrmWnlTest)
#include "tfrm_wnl_test.moc"
