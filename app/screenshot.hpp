// A picture on demand: `--screenshot FILE.png [--at "YYYY-MM-DD HH:MM"]
// [--method NAME] [--size WxH]` lays that chart in the main window, renders
// the whole window to a PNG and exits, with no display needed.
#pragma once

#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

#include "base/expected.hpp"

namespace qimen::app {

class TFrmMain;

struct ScreenshotOptions {
    QString file;
    QString at;           // "" = the inputs as the window starts (now)
    int methodItem = -1;  // CboPanShi item; −1 keeps the window's
    QSize size{1280, 800};
};

// The options when the arguments ask for a screenshot, nullopt when they do
// not; a failure names the argument that is wrong.
Expected<std::optional<ScreenshotOptions>> parseScreenshotOptions(const QStringList& arguments);

// Boxes go to standard error instead of waiting for a click nobody gives;
// set before FormShow, so a message at start (a damaged store) passes too.
void keepPromptsOffScreen(TFrmMain& window);

// Sets the moment and method, clicks 排盘, renders the window to the file.
Expected<void> takeScreenshot(TFrmMain& window, const ScreenshotOptions& options);

}  // namespace qimen::app
