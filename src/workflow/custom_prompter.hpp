// How the custom-chart editor and chooser speak to the user: a message box
// and a Yes/No question, each with a text, a caption and an icon. The
// window implements it with message boxes, tests with a script.
#pragma once

#include <string>

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

}  // namespace qimen::workflow
