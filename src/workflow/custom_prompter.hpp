// How the custom-chart editor and chooser speak to the user: a message box
// and a Yes/No question, each with a text, a caption and an icon. The
// window implements it with message boxes, tests with a script.
#pragma once

#include <string>

#include "workflow/prompter.hpp"

namespace qimen::workflow {

enum class PromptIcon { None, Information, Warning, Error };

struct Prompt {
    std::string text;
    std::string caption;  // empty: a plain box with the application's title
    PromptIcon icon = PromptIcon::None;

    friend bool operator==(const Prompt&, const Prompt&) = default;
};

class CustomPrompter {
public:
    virtual ~CustomPrompter() = default;
    virtual void message(const Prompt& prompt) = 0;
    // A Yes/No question; true for Yes. `defaultNo`: No is the default button.
    virtual bool ask(const Prompt& prompt, bool defaultNo) = 0;
};

// The custom-chart windows' voice over the application's Prompter, so
// their boxes look and are recorded like every other window's.
class CustomPrompterOver : public CustomPrompter {
public:
    explicit CustomPrompterOver(Prompter& prompter) : prompter_(prompter) {}
    void message(const Prompt& prompt) override { prompter_.message(prompt.text, prompt.caption, icon(prompt.icon)); }
    bool ask(const Prompt& prompt, bool defaultNo) override {
        return prompter_.ask(prompt.text, prompt.caption, icon(prompt.icon), !defaultNo);
    }

private:
    static Icon icon(PromptIcon icon) {
        switch (icon) {
            case PromptIcon::Information: return Icon::Information;
            case PromptIcon::Warning: return Icon::Warning;
            case PromptIcon::Error: return Icon::Error;
            case PromptIcon::None: break;
        }
        return Icon::None;
    }

    Prompter& prompter_;
};

}  // namespace qimen::workflow
