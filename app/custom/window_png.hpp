// A picture of a window on demand: renders a shown window (the editor or
// the chooser) to a PNG file with no display needed (QT_QPA_PLATFORM=
// offscreen works).
#pragma once

#include <QString>
#include <QWidget>

#include "base/expected.hpp"

namespace qimen::app {

// Lays out and shows `window` if it is not yet visible, renders it and
// writes the PNG; fails naming the file when it cannot be written.
Expected<void> saveWindowPng(QWidget& window, const QString& file);

}  // namespace qimen::app
