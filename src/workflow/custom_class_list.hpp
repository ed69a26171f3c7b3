// The class list both custom-chart windows fill when shown.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "custom/custom_chart_file.hpp"
#include "workflow/custom_prompter.hpp"

namespace qimen::workflow {

// Opens the file (creating it when missing) and returns the names of its
// live classes. A file that cannot be opened or read is reported in an
// error box ("错误") and gives nullopt; a damaged one is reported the same
// way and gives the names that can be read.
std::optional<std::vector<std::string>> openAndListClasses(custom::CustomChartFile& file, CustomPrompter& prompter);

// The error box of a failed file operation.
inline Prompt fileErrorPrompt(std::string text) { return {std::move(text), "错误", PromptIcon::Error}; }

}  // namespace qimen::workflow
