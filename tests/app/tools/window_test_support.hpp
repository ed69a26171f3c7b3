// What the tools windows' Qt tests share: the recorded boxes and a control
// found by its objectName (the test stops when there is none).
#pragma once

#include <QWidget>
#include <string>
#include <vector>

#include "../../workflow/recording_prompter.hpp"

namespace qimen::app::testing {

using Log = std::vector<std::string>;
using workflow::testing::RecordingPrompter;

template <typename T>
T* control(QWidget& window, const char* name) {
    auto* found = window.findChild<T*>(QString::fromLatin1(name));
    if (!found) qFatal("no control %s", name);
    return found;
}

}  // namespace qimen::app::testing
