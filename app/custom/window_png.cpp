// Rendering a window to a PNG.
#include "window_png.hpp"

#include <QApplication>
#include <QPixmap>

namespace qimen::app {

Expected<void> saveWindowPng(QWidget& window, const QString& file) {
    if (!window.isVisible()) window.show();
    QApplication::processEvents();
    const QPixmap picture = window.grab();
    if (picture.isNull() || !picture.save(file, "PNG"))
        return fail("无法写入图片文件 " + file.toStdString());
    return {};
}

}  // namespace qimen::app
