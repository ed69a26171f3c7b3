// The data root of the commands that work on the user's files: resolved from
// the environment ($QIMEN_HOME …) and prepared (folders made, missing default
// files copied in) before use.
#pragma once

#include <filesystem>

namespace qimen::cli {

// Throws CommandError when the data root cannot be found or prepared.
std::filesystem::path preparedDataRoot();

// The data root of a command that only reads it, resolved but not prepared,
// so that the command creates nothing (a missing file reads as its default).
// Throws CommandError when no data root can be found.
std::filesystem::path dataRootForReading();

// The folder named by the tool's --data option, used instead of the
// environment's data root; empty to go back to the environment.
void setDataRootOverride(const std::filesystem::path& root);

}  // namespace qimen::cli
