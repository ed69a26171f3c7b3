// The window's start as qimen-workbench runs it, in a fresh process: the
// time to the first paint, the warm-up after it (which leaves what the user
// sees untouched), and the first 排盘 after the warm-up. Figures are
// printed, wall clock and CPU time of the GUI thread.
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>
#include <ctime>

#include "app_fixture.hpp"
#include "first_chart_warm_up.hpp"

using namespace qimen::app;
using namespace qimen::app::testing;

namespace {

// Notes the first paint of a widget.
class PaintSpy : public QObject {
public:
    bool painted = false;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted = true;
        return false;
    }
};

double threadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// Wall and GUI-thread CPU milliseconds since construction or the last lap.
class Lap {
public:
    Lap() { clock_.start(); }
    QString take() {
        const double cpu = threadCpuMs();
        QString figure = QStringLiteral("%1 ms (CPU %2 ms)").arg(clock_.nsecsElapsed() / 1e6, 0, 'f', 1).arg(cpu - cpu_, 0, 'f', 1);
        clock_.restart();
        cpu_ = cpu;
        return figure;
    }

private:
    QElapsedTimer clock_;
    double cpu_ = threadCpuMs();
};

}  // namespace

class StartUpTest : public QObject {
    Q_OBJECT
private slots:
    void startWarmUpAndFirstChartAreReported() {
        DataRoot root;
        PromptRecorder recorder;
        Lap lap;
        auto window = std::make_unique<TFrmMain>(root.path());
        window->prompter().setHook(recorder.hook());
        PaintSpy spy;
        window->RedtQiMen->viewport()->installEventFilter(&spy);
        bool warmed = false;
        window->FormShow();
        warmUpAfterFirstPaint(*window, [&] { warmed = true; });
        window->show();
        QTRY_VERIFY(spy.painted);
        std::printf("window start to first paint: %s\n", qPrintable(lap.take()));
        QTRY_VERIFY_WITH_TIMEOUT(warmed, 20000);
        std::printf("warm-up done after first paint: %s\n", qPrintable(lap.take()));
        QVERIFY(window->RedtQiMen->toPlainText().isEmpty());
        QVERIFY(window->MeoInfo->toPlainText().isEmpty());

        setMoment(*window, "2008", 8, 8, 20);
        window->CboPanShi->setCurrentIndex(1);
        lap.take();
        QTest::mouseClick(window->Btnpai, Qt::LeftButton);
        const QString first = lap.take();
        window->RedtQiMen->viewport()->repaint();
        const QString firstPaint = lap.take();
        QTest::mouseClick(window->Btnpai, Qt::LeftButton);
        std::printf("排盘 click to filled pane (hour chart with analysis) after the warm-up: first %s, its paint %s; "
                    "again %s\n",
                    qPrintable(first), qPrintable(firstPaint), qPrintable(lap.take()));
        QVERIFY2(recorder.log.isEmpty(), qPrintable(recorder.log.join('\n')));
        QVERIFY(window->RedtQiMen->toPlainText().contains(QString::fromUtf8("阴遁二局")));
    }
};

QTEST_MAIN(StartUpTest)
#include "start_up_test.moc"
