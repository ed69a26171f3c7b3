// The first-chart warm-up: a paint watcher on the pane, a core chart on the
// global thread pool, and an offscreen layout and drawing of its texts.
#include "first_chart_warm_up.hpp"

#include <QAbstractTextDocumentLayout>
#include <QFuture>
#include <QImage>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPromise>
#include <QTextDocument>
#include <QThreadPool>
#include <QTimer>
#include <memory>

#include "cases/chart_rich_text.hpp"
#include "main_window.hpp"
#include "rich_document.hpp"
#include "tools/tfrm_wnl.hpp"
#include "workflow/chart_driver.hpp"

namespace qimen::app {
namespace {

// What the worker hands back: the chart as the pane would show it, and the memo.
struct LaidChart {
    cases::RichText text;
    QString memo;
};

// Qt-free apart from the result's QString: runs on a pool thread. The data
// root is only read (dat/set.ini, dat/EndInfo.txt); a failure leaves an
// empty chart, which warms nothing but harms nothing.
LaidChart layChart(const std::filesystem::path& dataRoot, calendar::CivilDateTime moment, int paneFontPoints) {
    chart::ChartRequest request;
    request.inputDate = moment;
    chart::ChartRecord record;
    LaidChart laid;
    workflow::ChartEnvironment environment;
    environment.dataRoot = dataRoot;
    environment.judgeMatter = true;
    environment.showOutput = [&](render::StyledText&& text) {
        laid.text = cases::richTextFromChartOutput(text, paneFontPoints);
    };
    environment.showMemo = [&](const std::string& memo) { laid.memo = QString::fromStdString(memo); };
    (void)workflow::drawChart(record, request, environment);
    return laid;
}

// Draws the top `size` of `document` into an image, so the glyphs a pane
// shows first are rasterised.
void drawTop(QTextDocument& document, QSize size) {
    if (size.isEmpty()) return;
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    document.drawContents(&painter, QRectF(QPointF(0, 0), size));
}

class WarmUp : public QObject {
public:
    WarmUp(TFrmMain& window, std::function<void()> warmed)
        : QObject(&window), window_(window), warmed_(std::move(warmed)) {
        window.RedtQiMen->viewport()->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !started_) {
            started_ = true;
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] { start(); });  // after this paint has reached the screen
        }
        return false;
    }

private:
    void start() {
        auto promise = std::make_shared<QPromise<LaidChart>>();
        QFuture<LaidChart> future = promise->future();
        promise->start();
        QThreadPool::globalInstance()->start(
            [promise, root = window_.dataRoot(), moment = localNow(), points = window_.pane().font().points] {
                promise->addResult(layChart(root, moment, points));
                promise->finish();
            });
        // Runs on the GUI thread, and not at all once this object is gone.
        future.then(this, [this](LaidChart laid) { finish(laid); });
    }

    // One step a turn of the event loop, so a click in between is served
    // after at most one of them.
    void finish(const LaidChart& laid) {
        pane_.setDefaultFont(window_.RedtQiMen->document()->defaultFont());
        fillDocument(pane_, laid.text);
        (void)pane_.documentLayout()->documentSize();
        QTimer::singleShot(0, this, [this, memo = laid.memo] {
            drawTop(pane_, window_.RedtQiMen->viewport()->size());
            QTimer::singleShot(0, this, [this, memo] {
                QTextDocument memoDocument;
                memoDocument.setDefaultFont(window_.MeoInfo->font());
                memoDocument.setPlainText(memo);
                drawTop(memoDocument, window_.MeoInfo->viewport()->size());
                if (warmed_) warmed_();
                deleteLater();
            });
        });
    }

    TFrmMain& window_;
    QTextDocument pane_;
    std::function<void()> warmed_;
    bool started_ = false;
};

}  // namespace

void warmUpAfterFirstPaint(TFrmMain& window, std::function<void()> warmed) {
    new WarmUp(window, std::move(warmed));
}

}  // namespace qimen::app
