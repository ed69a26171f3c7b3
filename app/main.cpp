// qimen-workbench: the desktop workbench. Prepares the data root (seeding the
// shipped defaults), registers the font substitution and opens the main
// window; with --screenshot it renders the window to a PNG offscreen, with
// --screenshot-calendar the perpetual calendar of a month.
#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <string_view>

#include "files/data_root.hpp"
#include "first_chart_warm_up.hpp"
#include "main_window.hpp"
#include "screenshot.hpp"
#include "text_pane.hpp"
#include "tools/calendar_screenshot.hpp"

int main(int argc, char** argv) {
    bool screenshot = false;
    for (int i = 1; i < argc; ++i) screenshot = screenshot || std::string_view(argv[i]) == "--screenshot" ||
                                       std::string_view(argv[i]) == "--screenshot-calendar";
    if (screenshot) qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(qimen::app::kApplicationTitle));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("qimen-workbench")));
    qimen::app::installFontSubstitutions();

    auto calendarShot = qimen::app::parseCalendarScreenshotOptions(QApplication::arguments());
    if (!calendarShot) {
        std::fprintf(stderr, "qimen-workbench: %s\n", calendarShot.message().c_str());
        return 2;
    }
    if (*calendarShot) {
        const auto& shot = **calendarShot;
        auto taken = qimen::app::renderCalendarPng(shot.file, shot.year, shot.month);
        if (!taken) std::fprintf(stderr, "qimen-workbench: %s\n", taken.message().c_str());
        return taken ? 0 : 1;
    }
    auto options = qimen::app::parseScreenshotOptions(QApplication::arguments());
    if (!options) {
        std::fprintf(stderr, "qimen-workbench: %s\n", options.message().c_str());
        return 2;
    }
    auto root = qimen::files::resolveDataRoot();
    if (!root) {
        std::fprintf(stderr, "qimen-workbench: %s\n", root.message().c_str());
        return 1;
    }
    if (auto prepared = qimen::files::prepareDataRoot(*root, qimen::files::shippedDefaultsDirectory()); !prepared) {
        std::fprintf(stderr, "qimen-workbench: %s\n", prepared.message().c_str());
        return 1;
    }

    qimen::app::TFrmMain window(*root);
    if (*options) qimen::app::keepPromptsOffScreen(window);
    window.FormShow();
    if (*options) {
        auto taken = qimen::app::takeScreenshot(window, **options);
        if (!taken) {
            std::fprintf(stderr, "qimen-workbench: %s\n", taken.message().c_str());
            return 1;
        }
        return 0;
    }
    window.show();
    qimen::app::warmUpAfterFirstPaint(window);
    return QApplication::exec();
}
