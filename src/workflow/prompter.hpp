// Prompter: how a workflow speaks to the user. The window implements it with
// message boxes and keyboard focus; tests implement it with a script that
// records every call and answers questions from a queue.
#pragma once

#include <string_view>

namespace qimen::workflow {

enum class Icon { None, Information, Warning, Error, Question };

class Prompter {
public:
    virtual ~Prompter() = default;

    // A message box. An empty caption means the application's title.
    virtual void message(std::string_view text, std::string_view caption, Icon icon) = 0;

    // A Yes/No question; true is Yes. defaultYes names the default button.
    virtual bool ask(std::string_view text, std::string_view caption, Icon icon,
                     bool defaultYes) = 0;

    // Puts the keyboard focus on the control with this name (its objectName
    // in the window, e.g. "Edtname").
    virtual void focus(std::string_view controlName) = 0;
};

}  // namespace qimen::workflow
