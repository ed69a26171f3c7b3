// Pictures of the time-selection windows, rendered offscreen: the page
// after a one-day search with a listing shown, and the conditions dialog.
#pragma once

#include <QString>
#include <functional>

#include "chart/chart_settings.hpp"
#include "workflow/prompter.hpp"

class QWidget;

namespace qimen::app {

// Renders `widget` (shown offscreen first when hidden) into a PNG file.
bool grabToPng(QWidget& widget, const QString& path);

// Writes search_tab.png and qm_cond_dialog.png into `folder`; true when
// both were written. Runs a real search of 2008-05-03 under `readSettings`.
bool renderSearchWindows(const QString& folder, workflow::Prompter& prompter,
                         std::function<chart::ChartSettings()> readSettings);

}  // namespace qimen::app
