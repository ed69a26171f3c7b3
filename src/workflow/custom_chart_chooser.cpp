// The chooser's handlers.
#include "workflow/custom_chart_chooser.hpp"

#include "workflow/custom_class_list.hpp"

namespace qimen::workflow {

CustomChartChooser::CustomChartChooser(CustomChartEnvironment environment, chart::ChartRequest request)
    : environment_(std::move(environment)),
      request_(std::move(request)),
      file_(custom::CustomChartFile::pathIn(environment_.dataRoot)),
      record_(std::make_unique<chart::ChartRecord>()) {}

void CustomChartChooser::show(CustomPrompter& prompter) {
    names_ = openAndListClasses(file_, prompter).value_or(std::vector<std::string>{});
    selected_ = names_.empty() ? -1 : 0;
}

void CustomChartChooser::select(int index) {
    if (index >= 0 && index < static_cast<int>(names_.size())) selected_ = index;
}

std::optional<std::string> CustomChartChooser::view(CustomPrompter& prompter) {
    if (selected_ < 0) return std::nullopt;
    auto found = file_.readClass(names_[static_cast<std::size_t>(selected_)]);
    if (!found) {
        prompter.message(fileErrorPrompt(found.message()));
        return std::nullopt;
    }
    if (!*found) {
        prompter.message({kUnknownClassMessage, "", PromptIcon::None});
        return std::nullopt;
    }
    auto text = drawCustomChart(*record_, request_, **found, environment_);
    if (!text) {
        prompter.message(fileErrorPrompt(text.message()));
        return std::nullopt;
    }
    return std::move(*text);
}

}  // namespace qimen::workflow
