// A Prompter for tests: records every call as one line ("message|text|
// caption|icon", "ask|text|caption|icon|yes" or "…|no" for the default
// button, "focus|Name") and answers questions from a queue; a question
// nobody scripted fails the test and answers No.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "workflow/prompter.hpp"

namespace qimen::testing {

class ScriptedPrompter : public workflow::Prompter {
public:
    // Queues the answers of the next questions, in order (true = Yes).
    void answer(std::initializer_list<bool> answers) { answers_.insert(answers_.end(), answers); }

    // The lines recorded since the last take().
    std::vector<std::string> take() {
        EXPECT_TRUE(answers_.empty()) << answers_.size() << " scripted answers were not asked for";
        answers_.clear();
        return std::exchange(log_, {});
    }

    void message(std::string_view text, std::string_view caption, workflow::Icon icon) override {
        log_.push_back("message|" + std::string(text) + "|" + std::string(caption) + "|" + name(icon));
    }
    bool ask(std::string_view text, std::string_view caption, workflow::Icon icon, bool defaultYes) override {
        log_.push_back("ask|" + std::string(text) + "|" + std::string(caption) + "|" + name(icon) + "|" +
                       (defaultYes ? "yes" : "no"));
        if (answers_.empty()) {
            ADD_FAILURE() << "unscripted question: " << text;
            return false;
        }
        bool yes = answers_.front();
        answers_.pop_front();
        return yes;
    }
    void focus(std::string_view controlName) override { log_.push_back("focus|" + std::string(controlName)); }

private:
    static std::string name(workflow::Icon icon) {
        switch (icon) {
            case workflow::Icon::None: return "none";
            case workflow::Icon::Information: return "information";
            case workflow::Icon::Warning: return "warning";
            case workflow::Icon::Error: return "error";
            case workflow::Icon::Question: return "question";
        }
        return "?";
    }

    std::vector<std::string> log_;
    std::deque<bool> answers_;
};

}  // namespace qimen::testing
