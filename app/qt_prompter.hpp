// QtPrompter: the workflows' voice in the window — message boxes, Yes/No
// questions (No the default where the workflow says so) and keyboard focus on
// a control named by its objectName. Tests install a hook that records each
// box as one line and answers questions, so no modal box ever blocks them.
#pragma once

#include <QString>
#include <QWidget>
#include <deque>
#include <functional>

#include "workflow/prompter.hpp"

namespace qimen::app {

inline constexpr const char* kApplicationTitle = "Zelvane奇门遁甲v2.2";

class QtPrompter : public workflow::Prompter {
public:
    // A box as the hook sees it: "message|text|caption|icon" or
    // "ask|text|caption|icon|yes-or-no default". The hook's answer is the
    // answer to a question (ignored for a message).
    using Hook = std::function<bool(const QString& line)>;

    // Boxes are shown over `window`; focus looks for controls inside it.
    explicit QtPrompter(QWidget& window) : window_(window) {}

    void setHook(Hook hook) { hook_ = std::move(hook); }
    const Hook& hook() const { return hook_; }

    void message(std::string_view text, std::string_view caption, workflow::Icon icon) override;
    bool ask(std::string_view text, std::string_view caption, workflow::Icon icon, bool defaultYes) override;
    void focus(std::string_view controlName) override;

private:
    QWidget& window_;
    Hook hook_;
};

// The recording hook of the tests: appends every line to `log` (focus
// calls too, as "focus|name") and answers questions from `answers` in turn,
// No when none is left.
struct PromptRecorder {
    QStringList log;
    std::deque<bool> answers;
    QtPrompter::Hook hook();
};

// The lower-case name of an icon as the recorded lines write it.
QString iconName(workflow::Icon icon);

}  // namespace qimen::app
