// A Prompter for the window tests: records every box as
// "text|caption|icon" and answers questions from a queue (No when empty).
#pragma once

#include <QStringList>
#include <deque>
#include <string>

#include "workflow/prompter.hpp"

namespace qimen::testing {

class RecordingPrompter : public workflow::Prompter {
public:
    void message(std::string_view text, std::string_view caption, workflow::Icon icon) override {
        log << line(text, caption, icon);
    }
    bool ask(std::string_view text, std::string_view caption, workflow::Icon icon, bool defaultYes) override {
        log << "ask|" + line(text, caption, icon) + (defaultYes ? "|yes" : "|no");
        if (answers.empty()) return false;
        bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void focus(std::string_view controlName) override { log << "focus|" + QString::fromUtf8(controlName.data(), controlName.size()); }

    QStringList log;
    std::deque<bool> answers;

private:
    static QString line(std::string_view text, std::string_view caption, workflow::Icon icon) {
        static const char* const icons[] = {"none", "information", "warning", "error", "question"};
        return QString::fromUtf8(text.data(), text.size()) + "|" + QString::fromUtf8(caption.data(), caption.size()) +
               "|" + icons[static_cast<int>(icon)];
    }
};

}  // namespace qimen::testing
