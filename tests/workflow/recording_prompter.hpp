// A Prompter for tests: records every box, question and focus as one line
// ("message|text|caption|icon", "ask|text|caption|icon|default",
// "focus|name") and answers questions from a queue (No when it is empty).
#pragma once

#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "workflow/prompter.hpp"

namespace qimen::workflow::testing {

inline std::string iconName(Icon icon) {
    switch (icon) {
        case Icon::None: return "none";
        case Icon::Information: return "information";
        case Icon::Warning: return "warning";
        case Icon::Error: return "error";
        case Icon::Question: return "question";
    }
    return "?";
}

class RecordingPrompter : public Prompter {
public:
    std::vector<std::string> log;
    std::deque<bool> answers;

    void message(std::string_view text, std::string_view caption, Icon icon) override {
        log.push_back("message|" + std::string(text) + "|" + std::string(caption) + "|" + iconName(icon));
    }
    bool ask(std::string_view text, std::string_view caption, Icon icon, bool defaultYes) override {
        log.push_back("ask|" + std::string(text) + "|" + std::string(caption) + "|" + iconName(icon) + "|" +
                      (defaultYes ? "yes" : "no"));
        if (answers.empty()) return false;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void focus(std::string_view controlName) override { log.push_back("focus|" + std::string(controlName)); }
};

}  // namespace qimen::workflow::testing
