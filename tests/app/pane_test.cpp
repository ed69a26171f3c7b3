// The output pane over QTextEdit: a chart shows exactly its resolved styles,
// restyled text survives RTF, 另存为 TXT writes plain GBK and leaves the
// pane formatted, the pane prints to PDF, and 默认 resets size and colour.
#include <QPrinter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

#include "app_fixture.hpp"
#include "cases/chart_rich_text.hpp"
#include "pane_actions.hpp"
#include "text/gbk.hpp"

using namespace qimen;
using namespace qimen::app;
using namespace qimen::app::testing;

namespace {

render::StyledText sampleChart() {
    render::StyledText chart;
    chart.text = "※阴遁二局\r\n★直符天英\r\n┌──┐\r\n[坎宫-正北方]\r\n分析\r\n";
    chart.indent = 4;
    render::StyledRange blue;
    blue.start = 0;
    blue.length = 15;
    blue.colour = render::kBlue;
    render::StyledRange smaller;
    smaller.start = 38;
    smaller.length = chart.text.size() - 38;
    smaller.sizeDelta = -2;
    render::StyledRange heading;
    heading.start = 38;
    heading.length = 17;
    heading.colour = render::kBlue;
    heading.bold = true;
    chart.ranges = {blue, smaller, heading};
    return chart;
}

}  // namespace

class PaneTest : public QObject {
    Q_OBJECT
private slots:
    void aChartShowsItsResolvedStylesExactly() {
        QTextEdit edit;
        TextPane pane(edit);
        pane.setFont({"宋体", 14});
        const render::StyledText chart = sampleChart();
        pane.showChart(chart);
        QCOMPARE(pane.content(), cases::richTextFromChartOutput(chart, 14));
        QVERIFY(!pane.modified());
        QCOMPARE(edit.document()->begin().blockFormat().textIndent(), 4.0);
        QCOMPARE(edit.document()->defaultFont().family(), QString::fromUtf8("宋体"));
    }

    void restyledTextSavedAsRtfReloadsWithTheSameFonts() {
        DataRoot root;
        PromptRecorder recorder;
        QWidget window;
        QtPrompter prompter(window);
        prompter.setHook(recorder.hook());
        QTextEdit edit(&window);
        TextPane pane(edit);
        PaneActions actions(pane, prompter, &window);
        pane.showChart(sampleChart());
        QTextCursor cursor(edit.document());
        cursor.setPosition(2);
        cursor.setPosition(5, QTextCursor::KeepAnchor);
        edit.setTextCursor(cursor);
        QFont font(QString::fromUtf8(kSongTiFace), 16);
        font.setBold(true);
        font.setItalic(true);
        actions.setSelectionFormat(font, QColor(0, 128, 0));
        const cases::RichText restyled = pane.content();

        const auto chosen = root.path() / "report";
        QVERIFY(actions.saveTo(chosen, workflow::SaveFormat::RichText));
        pane.clear();
        QVERIFY(actions.importFrom(root.path() / "report.rtf"));
        QCOMPARE(pane.content().text, restyled.text);
        QCOMPARE(pane.content().runs, restyled.runs);
        QCOMPARE(recorder.log, QStringList{QString::fromUtf8("message|已保存！||none")});
    }

    void savingAsTextWritesPlainGbkAndKeepsThePaneFormatted() {
        DataRoot root;
        PromptRecorder recorder;
        QWidget window;
        QtPrompter prompter(window);
        prompter.setHook(recorder.hook());
        QTextEdit edit(&window);
        TextPane pane(edit);
        PaneActions actions(pane, prompter, &window);
        pane.showChart(sampleChart());
        const cases::RichText before = pane.content();
        QVERIFY(actions.saveTo(root.path() / "report", workflow::SaveFormat::PlainText));
        const QByteArray bytes = readAll(root.path() / "report.txt");
        QCOMPARE(bytes.toStdString(), text::utf8ToGbk(sampleChart().text));
        QCOMPARE(pane.content(), before);
    }

    void thePanePrintsToPdf() {
        DataRoot root;
        PromptRecorder recorder;
        QWidget window;
        QtPrompter prompter(window);
        prompter.setHook(recorder.hook());
        QTextEdit edit(&window);
        TextPane pane(edit);
        PaneActions actions(pane, prompter, &window);
        pane.showChart(sampleChart());
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString file = QString::fromStdString((root.path() / "chart.pdf").string());
        printer.setOutputFileName(file);
        QVERIFY(actions.printTo(printer));
        QVERIFY(readAll(file.toStdString()).startsWith("%PDF"));
        QVERIFY(recorder.log.isEmpty());
    }

    void defaultsSetSizeAndColourButKeepTheFontName() {
        QWidget window;
        QtPrompter prompter(window);
        PromptRecorder recorder;
        prompter.setHook(recorder.hook());
        QTextEdit edit(&window);
        TextPane pane(edit);
        PaneActions actions(pane, prompter, &window);
        pane.setFont({"AR PL UMing CN", 20});
        pane.setBackground(Qt::white);
        actions.setDefaults();
        QCOMPARE(pane.font().name, std::string("AR PL UMing CN"));
        QCOMPARE(pane.font().points, 12);
        QCOMPARE(windowsValueOfColour(pane.background()), kDefaultBackground);
        QCOMPARE(recorder.log, QStringList{QString::fromUtf8("message|设置完成||none")});
    }
};

QTEST_MAIN(PaneTest)
#include "pane_test.moc"
