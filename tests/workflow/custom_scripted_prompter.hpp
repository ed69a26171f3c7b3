// A prompter that records every message and question and answers the
// questions from a script, for the window logic tests.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "workflow/custom_prompter.hpp"

namespace qimen::workflow::testing {

struct Exchange {
    Prompt prompt;
    bool question = false;
    bool defaultNo = false;

    friend bool operator==(const Exchange&, const Exchange&) = default;
};

inline void PrintTo(const Exchange& e, std::ostream* out) {
    *out << (e.question ? (e.defaultNo ? "ask[No] " : "ask[Yes] ") : "message ") << '"' << e.prompt.text << "\" caption \""
         << e.prompt.caption << "\" icon " << static_cast<int>(e.prompt.icon);
}

class ScriptedPrompter : public CustomPrompter {
public:
    void message(const Prompt& prompt) override { seen.push_back({prompt, false, false}); }
    bool ask(const Prompt& prompt, bool defaultNo) override {
        seen.push_back({prompt, true, defaultNo});
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected question: " << prompt.text;
            return false;
        }
        bool answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::deque<bool> answers;  // Yes is true
    std::vector<Exchange> seen;
};

inline Exchange plainMessage(std::string text) { return {{std::move(text), "", PromptIcon::None}, false, false}; }
inline Exchange errorMessage(std::string text, std::string caption = "错误") {
    return {{std::move(text), std::move(caption), PromptIcon::Error}, false, false};
}
inline Exchange warningQuestion(std::string text, bool defaultNo) {
    return {{std::move(text), "注意", PromptIcon::Warning}, true, defaultNo};
}

}  // namespace qimen::workflow::testing
