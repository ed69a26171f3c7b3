// Where the user's files live. The data root holds dat/ (store, settings,
// place table, custom labels) and qimen_f/ (the commentary of each case). The
// top level resolves it once from the environment; everything below takes it
// as a parameter, so tests work on a temporary root.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "base/expected.hpp"

namespace qimen::files {

// $QIMEN_HOME when set and not empty; else $XDG_DATA_HOME/qimen; else
// $HOME/.local/share/qimen. Fails when neither XDG_DATA_HOME nor HOME is set.
Expected<std::filesystem::path> resolveDataRoot();

// root/dat
std::filesystem::path datDirectory(const std::filesystem::path& root);
// root/qimen_f
std::filesystem::path commentaryDirectory(const std::filesystem::path& root);

// The folder of the shipped default files (dili.ini …): $QIMEN_SHIPPED_DAT when
// set; else, for an installed program, share/qimen/dat beside the folder of
// the running executable (<prefix>/bin/../share/qimen/dat) when it exists;
// else the data/dat folder of the build's source tree.
std::filesystem::path shippedDefaultsDirectory();
// <prefix>/share/qimen/dat of the running executable ("" when unknown).
std::filesystem::path installedDefaultsDirectory();

// Creates root, dat/ and qimen_f/ when missing and copies every regular file
// of `defaults` that dat/ lacks; answers the names of the files copied in.
// Never overwrites or deletes a user's file. A missing `defaults` folder only
// means nothing is seeded. Fails with the reason when a folder cannot be
// made or a file cannot be copied.
Expected<std::vector<std::string>> prepareDataRoot(const std::filesystem::path& root,
                                                   const std::filesystem::path& defaults);

}  // namespace qimen::files
