// The topic buttons of ToolBar1 in the main window: before any chart only
// the request for one (the memo untouched); after a chart the memo holds
// the topic's guide and then "本盘断语：" with the core's judgement of the
// chart on the screen.
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolBar>

#include "app_fixture.hpp"
#include "judgement/judge.hpp"
#include "judgement/judgement_text.hpp"

using namespace qimen;
using namespace qimen::app;
using namespace qimen::app::testing;

class TopicMemoTest : public QObject {
    Q_OBJECT
private slots:
    void topicMemoFollowsTheChart_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("topic");
        QTest::newRow("求财") << "TbtoQiuCai" << judgement::topicIndex(judgement::Topic::Wealth);
        QTest::newRow("疾病") << "TbtoJiBing" << judgement::topicIndex(judgement::Topic::Illness);
    }
    void topicMemoFollowsTheChart() {
        QFETCH(QString, button);
        QFETCH(int, topic);
        DataRoot root;
        PromptRecorder recorder;
        auto window = openWindow(root.path(), recorder);
        QWidget* topicButton = window->ToolBar1->findChild<QWidget*>(button);
        QVERIFY(topicButton);

        QTest::mouseClick(topicButton, Qt::LeftButton);
        QCOMPARE(recorder.log, QStringList{QString::fromUtf8("message|请先排一个正确的奇门盘|先排盘|information")});
        QVERIFY(window->MeoInfo->toPlainText().isEmpty());
        recorder.log.clear();

        setMoment(*window, "2008", 8, 8, 20);
        QTest::mouseClick(window->Btnpai, Qt::LeftButton);
        QTest::mouseClick(topicButton, Qt::LeftButton);
        QVERIFY2(recorder.log.isEmpty(), qPrintable(recorder.log.join('\n')));
        const chart::ChartRecord& shown = window->consultation().record();
        const auto subject = static_cast<judgement::Topic>(topic);
        auto judged = judgement::judgeTopic(shown, subject);
        QVERIFY2(judged, judged ? "" : judged.message().c_str());
        const std::string guide = judgement::topicGuide(shown, subject);
        QVERIFY(!guide.empty());
        auto lines = [](const std::string& text) { return QString::fromStdString(text).remove(QLatin1Char('\r')); };
        const QString memo = window->MeoInfo->toPlainText().remove(QLatin1Char('\r'));
        QCOMPARE(memo, lines(guide + "\r\n\r\n" + judgement::judgementText(*judged)));
        QVERIFY(memo.contains(QString::fromUtf8("\n本盘断语：")));
    }
};

QTEST_MAIN(TopicMemoTest)
#include "topic_memo_test.moc"
