// Small helpers shared by the time-selection widgets: UTF-8 literals as
// QString, naming a control, and the dialogs' 宋体 9 pt font.
#pragma once

#include <QFont>
#include <QObject>
#include <QString>
#include <string_view>

namespace qimen::app {

inline QString q(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

template <typename T>
T* named(T* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// 宋体 where it exists, else the installed Ming face, at 9 points.
inline QFont songFont() {
    QFont font;
    font.setFamilies({QStringLiteral("SimSun"), QStringLiteral("宋体"), QStringLiteral("AR PL UMing CN")});
    font.setPointSize(9);
    return font;
}

}  // namespace qimen::app
