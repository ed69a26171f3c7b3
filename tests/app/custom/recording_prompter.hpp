// The custom-chart window tests' prompter: every box becomes one line
// ("message|text|caption|icon" or "ask|text|caption|icon|yes-or-no default")
// and questions are answered from a queue, No when it is empty.
#pragma once

#include <QString>
#include <QStringList>
#include <deque>

#include "workflow/prompter.hpp"

namespace qimen::app::testing {

class RecordingPrompter : public workflow::Prompter {
public:
    void message(std::string_view text, std::string_view caption, workflow::Icon icon) override {
        log << QStringLiteral("message|%1|%2|%3").arg(q(text), q(caption), iconName(icon));
    }
    bool ask(std::string_view text, std::string_view caption, workflow::Icon icon, bool defaultYes) override {
        log << QStringLiteral("ask|%1|%2|%3|%4").arg(q(text), q(caption), iconName(icon), defaultYes ? "yes" : "no");
        if (answers.empty()) return false;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void focus(std::string_view controlName) override { log << QStringLiteral("focus|") + q(controlName); }

    // The lines since the last call.
    QStringList take() { return std::exchange(log, {}); }

    QStringList log;
    std::deque<bool> answers;

private:
    static QString q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }
    static QString iconName(workflow::Icon icon) {
        switch (icon) {
            case workflow::Icon::Information: return "information";
            case workflow::Icon::Warning: return "warning";
            case workflow::Icon::Error: return "error";
            case workflow::Icon::Question: return "question";
            case workflow::Icon::None: break;
        }
        return "none";
    }
};

}  // namespace qimen::app::testing
