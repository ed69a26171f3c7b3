// The workbench tests' set-up: a temporary data root seeded with the shipped
// defaults, the font substitution, and a main window whose boxes are
// recorded instead of shown.
#pragma once

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "files/data_root.hpp"
#include "main_window.hpp"
#include "text_pane.hpp"

namespace qimen::app::testing {

struct DataRoot {
    QTemporaryDir dir;
    std::filesystem::path path() const { return dir.path().toStdString(); }
    DataRoot() {
        installFontSubstitutions();
        auto prepared = files::prepareDataRoot(path(), files::shippedDefaultsDirectory());
        if (!prepared) qFatal("cannot prepare the data root: %s", prepared.message().c_str());
    }
};

// A shown main window over `root` whose prompts go to `recorder`.
inline std::unique_ptr<TFrmMain> openWindow(const std::filesystem::path& root, PromptRecorder& recorder) {
    auto window = std::make_unique<TFrmMain>(root);
    window->prompter().setHook(recorder.hook());
    window->FormShow();
    window->show();
    return window;
}

// Sets the date inputs of the main window to a Gregorian moment.
inline void setMoment(TFrmMain& window, const QString& year, int month, int day, int hour, int minute = 0) {
    window.Rdogl->setChecked(true);
    window.EdtYear->setText(year);
    window.cbom->setCurrentIndex(month - 1);
    window.cbod->setCurrentIndex(day - 1);
    window.cbos->setCurrentIndex(hour);
    window.cbomin->setCurrentIndex(minute);
}

inline QByteArray readAll(const std::filesystem::path& path) {
    QFile file(QString::fromStdString(path.string()));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace qimen::app::testing
