// The data root of the commands that work on the user's files: resolved from
// the environment ($QIMEN_HOME …) and prepared (folders made, missing default
// files copied in) before use.
#pragma once

#include <filesystem>

namespace qimen::cli {

// Throws CommandError when the data root cannot be found or prepared.
std::filesystem::path preparedDataRoot();

// The folder named by the tool's --data option, used instead of the
// environment's data root; empty to go back to the environment.
void setDataRootOverride(const std::filesystem::path& root);

}  // namespace qimen::cli
