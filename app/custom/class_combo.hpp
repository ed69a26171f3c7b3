// CboClass of both custom-chart windows: the class names of the workflow,
// shown without firing the window's change handler.
#pragma once

#include <QComboBox>
#include <QSignalBlocker>
#include <string>
#include <vector>

namespace qimen::app {

// Replaces the items with `names` and selects item `selected` (−1: none).
inline void showClassNames(QComboBox& box, const std::vector<std::string>& names, int selected) {
    const QSignalBlocker blocker(&box);
    box.clear();
    for (const std::string& name : names) box.addItem(QString::fromStdString(name));
    box.setCurrentIndex(selected);
}

}  // namespace qimen::app
