// The tool's Prompter for the window workflows: the command itself is the
// user's confirmation, so every question is answered Yes; the first message
// an operation shows is kept as the reason when it refuses.
#pragma once

#include <string>

#include "command.hpp"
#include "workflow/prompter.hpp"

namespace qimen::cli {

class CliPrompter : public workflow::Prompter {
public:
    void message(std::string_view text, std::string_view, workflow::Icon) override {
        if (first_.empty()) first_ = text;
    }
    bool ask(std::string_view, std::string_view, workflow::Icon, bool) override { return true; }
    void focus(std::string_view) override {}

    bool shown() const { return !first_.empty(); }
    // Throws the first message shown as one line (a line break becomes a
    // space); `fallback` when nothing was shown.
    [[noreturn]] void refuse(const std::string& fallback = "refused") const {
        std::string line = first_.empty() ? fallback : first_;
        for (std::size_t at; (at = line.find("\r\n")) != std::string::npos;) line.replace(at, 2, " ");
        throw CommandError(line);
    }

private:
    std::string first_;
};

}  // namespace qimen::cli
