// Message boxes and focus for the workflows.
#include "qt_prompter.hpp"

#include <QMessageBox>
#include <QPushButton>

#include "utf8_text.hpp"

namespace qimen::app {
namespace {

QMessageBox::Icon boxIcon(workflow::Icon icon) {
    switch (icon) {
        case workflow::Icon::Information: return QMessageBox::Information;
        case workflow::Icon::Warning: return QMessageBox::Warning;
        case workflow::Icon::Error: return QMessageBox::Critical;
        case workflow::Icon::Question: return QMessageBox::Question;
        case workflow::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

QString captionOrTitle(std::string_view caption) {
    return caption.empty() ? QString::fromUtf8(kApplicationTitle) : utf8(caption);
}

// The focus hook of the tests sees focus calls through the same line form.
constexpr const char* kFocusPrefix = "focus|";

}  // namespace

QString iconName(workflow::Icon icon) {
    switch (icon) {
        case workflow::Icon::Information: return QStringLiteral("information");
        case workflow::Icon::Warning: return QStringLiteral("warning");
        case workflow::Icon::Error: return QStringLiteral("error");
        case workflow::Icon::Question: return QStringLiteral("question");
        case workflow::Icon::None: break;
    }
    return QStringLiteral("none");
}

void QtPrompter::message(std::string_view text, std::string_view caption, workflow::Icon icon) {
    if (hook_) {
        hook_(QStringLiteral("message|%1|%2|%3").arg(utf8(text), utf8(caption), iconName(icon)));
        return;
    }
    QMessageBox box(boxIcon(icon), captionOrTitle(caption), utf8(text), QMessageBox::Ok, &window_);
    box.exec();
}

bool QtPrompter::ask(std::string_view text, std::string_view caption, workflow::Icon icon, bool defaultYes) {
    if (hook_)
        return hook_(QStringLiteral("ask|%1|%2|%3|%4")
                         .arg(utf8(text), utf8(caption), iconName(icon), defaultYes ? "yes" : "no"));
    QMessageBox box(boxIcon(icon), captionOrTitle(caption), utf8(text), QMessageBox::Yes | QMessageBox::No, &window_);
    box.setDefaultButton(defaultYes ? QMessageBox::Yes : QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void QtPrompter::focus(std::string_view controlName) {
    const QString name = utf8(controlName);
    if (hook_) hook_(kFocusPrefix + name);
    if (auto* control = window_.findChild<QWidget*>(name)) control->setFocus(Qt::OtherFocusReason);
}

QtPrompter::Hook PromptRecorder::hook() {
    return [this](const QString& line) {
        log.append(line);
        if (!line.startsWith(QStringLiteral("ask|"))) return false;
        if (answers.empty()) return false;
        bool answer = answers.front();
        answers.pop_front();
        return answer;
    };
}

}  // namespace qimen::app
