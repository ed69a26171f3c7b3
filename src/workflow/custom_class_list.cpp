// Filling a window's class list.
#include "workflow/custom_class_list.hpp"

namespace qimen::workflow {

std::optional<std::vector<std::string>> openAndListClasses(custom::CustomChartFile& file, CustomPrompter& prompter) {
    if (auto opened = file.open(); !opened) {
        prompter.message(fileErrorPrompt(opened.message()));
        return std::nullopt;
    }
    auto listing = file.listClasses();
    if (!listing) {
        prompter.message(fileErrorPrompt(listing.message()));
        return std::nullopt;
    }
    if (!listing->damage.empty()) prompter.message(fileErrorPrompt(listing->damage));
    return std::move(listing->names);
}

}  // namespace qimen::workflow
