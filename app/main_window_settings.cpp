// TFrmMain and dat/qminit.ini: the window's bounds, state, the widths of the
// case list and the side memo, the pane's font and background, applied when
// the window is first shown and gathered when it closes.
#include <QSplitter>
#include <QTreeView>
#include <QPlainTextEdit>

#include "main_window.hpp"

namespace qimen::app {

void TFrmMain::applyWindowSettings(const files::WindowSettings& settings) {
    move(static_cast<int>(settings.left), static_cast<int>(settings.top));
    resize(static_cast<int>(std::max(100L, settings.width)), static_cast<int>(std::max(100L, settings.height)));
    if (settings.state == 2) setWindowState(Qt::WindowMaximized);
    else if (settings.state == 1) setWindowState(Qt::WindowMinimized);

    const int list = static_cast<int>(files::effectiveListWidth(settings.listWidth));
    const int memo = static_cast<int>(files::effectiveMemoWidth(settings.memoWidth));
    ListView1->setMinimumWidth(30);
    MeoInfo->setMinimumWidth(50);
    splitter->setSizes({list, std::max(100, width() - list - memo), memo});

    workflow::PaneFont font;
    font.name = settings.fontName.empty() ? kSongTiName : settings.fontName;
    font.points = static_cast<int>(std::clamp(settings.fontSize, 1L, 1638L));
    pane_->setFont(font);
    pane_->setBackground(colourOfWindowsValue(settings.backgroundColour));
}

files::WindowSettings TFrmMain::currentWindowSettings() const {
    files::WindowSettings settings = loadedSettings_;
    if (isMaximized()) settings.state = 2;
    else if (isMinimized()) settings.state = 1;
    else {
        settings.state = 0;
        settings.left = pos().x();
        settings.top = pos().y();
        settings.width = width();
        settings.height = height();
    }
    const QList<int> sizes = splitter->sizes();
    settings.listWidth = sizes.value(0, ListView1->width());
    settings.memoWidth = sizes.value(2, MeoInfo->width());
    settings.fontName = pane_->font().name;
    settings.fontSize = pane_->font().points;
    settings.backgroundColour = windowsValueOfColour(pane_->background());
    consultation_->storeInputsIn(settings);
    return settings;
}

}  // namespace qimen::app
