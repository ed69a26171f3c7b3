// Where the workbench finds what it ships besides the shipped defaults: the
// help guide (share/qimen/help/index.html when installed, app/help of the
// source tree otherwise), and how a help item opens a document.
#pragma once

#include <filesystem>
#include <string>

namespace qimen::app {

// The shipped HTML guide ("" when neither place holds it).
std::filesystem::path helpGuidePath();

// A help item: dat/<chmName> of the data root when it exists, else the
// shipped guide, opened with the desktop's document opener. A missing
// document or a failing opener is ignored.
void openHelp(const std::filesystem::path& dataRoot, const std::string& chmName);

}  // namespace qimen::app
