// The screenshot option: the window, a chart and a PNG, offscreen.
#include "screenshot.hpp"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPixmap>
#include <QRadioButton>
#include <QRegularExpression>

#include "main_window.hpp"

namespace qimen::app {
namespace {

// Method names the option takes, by method code 0..5.
const char* const kMethodNames[6][3] = {{"hour", "时家", "0"},  {"day", "日家", "1"},   {"month", "月家", "2"},
                                        {"year", "年家", "3"},  {"small", "飞宫", "4"}, {"yin", "阴盘", "5"}};

std::optional<int> methodItemOf(const QString& name) {
    for (int k = 0; k < 6; ++k)
        for (const char* candidate : kMethodNames[k])
            if (name == QString::fromUtf8(candidate) || name.startsWith(QString::fromUtf8(candidate) + QString::fromUtf8("奇门")))
                return 2 * k + 1;
    return std::nullopt;
}

}  // namespace

Expected<std::optional<ScreenshotOptions>> parseScreenshotOptions(const QStringList& arguments) {
    ScreenshotOptions options;
    bool wanted = false;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        auto next = [&]() -> std::optional<QString> {
            if (i + 1 >= arguments.size()) return std::nullopt;
            return arguments[++i];
        };
        std::optional<QString> value;
        if (argument == "--screenshot" || argument == "--at" || argument == "--method" || argument == "--size") {
            value = next();
            if (!value) return fail(argument.toStdString() + " needs a value");
        }
        if (argument == "--screenshot") {
            wanted = true;
            options.file = *value;
        } else if (argument == "--at") {
            options.at = *value;
        } else if (argument == "--method") {
            auto item = methodItemOf(*value);
            if (!item) return fail("--method: unknown chart method " + value->toStdString() + " (hour, day, month, year, small, yin)");
            options.methodItem = *item;
        } else if (argument == "--size") {
            static const QRegularExpression sizePattern(QStringLiteral("^(\\d{2,5})x(\\d{2,5})$"));
            auto match = sizePattern.match(*value);
            if (!match.hasMatch()) return fail("--size: expected WIDTHxHEIGHT, e.g. 1280x800");
            options.size = QSize(match.captured(1).toInt(), match.captured(2).toInt());
        } else {
            return fail("unknown argument " + argument.toStdString());
        }
    }
    if (!wanted) {
        if (!options.at.isEmpty() || options.methodItem >= 0) return fail("--at and --method go with --screenshot FILE.png");
        return std::optional<ScreenshotOptions>{};
    }
    return std::optional<ScreenshotOptions>{options};
}

void keepPromptsOffScreen(TFrmMain& window) {
    window.prompter().setHook([](const QString& line) {
        qWarning("%s", qPrintable(line));
        return false;
    });
}

Expected<void> takeScreenshot(TFrmMain& window, const ScreenshotOptions& options) {
    window.resize(options.size);
    window.show();
    QApplication::processEvents();
    if (!options.at.isEmpty()) {
        static const QRegularExpression momentPattern(
            QStringLiteral("^(-?\\d{1,4})-(\\d{1,2})-(\\d{1,2})(?:[ T](\\d{1,2}):(\\d{1,2}))?$"));
        auto match = momentPattern.match(options.at.trimmed());
        if (!match.hasMatch()) return fail("--at: expected \"YYYY-MM-DD HH:MM\", got " + options.at.toStdString());
        window.Rdogl->setChecked(true);
        window.EdtYear->setText(match.captured(1));
        window.cbom->setCurrentIndex(match.captured(2).toInt() - 1);
        window.cbod->setCurrentIndex(match.captured(3).toInt() - 1);
        window.cbos->setCurrentIndex(match.captured(4).isEmpty() ? 0 : match.captured(4).toInt());
        window.cbomin->setCurrentIndex(match.captured(5).isEmpty() ? 0 : match.captured(5).toInt());
    }
    if (options.methodItem >= 0) window.CboPanShi->setCurrentIndex(options.methodItem);
    keepPromptsOffScreen(window);
    window.BtnpaiClick();
    QApplication::processEvents();
    if (!window.grab().save(options.file, "PNG")) return fail("cannot write " + options.file.toStdString());
    return {};
}

}  // namespace qimen::app
