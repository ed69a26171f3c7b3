// Where the user's files live. The data root holds dat/ (store, settings,
// place table, custom labels) and qimen_f/ (the commentary of each case). The
// top level resolves it once from the environment; everything below takes it
// as a parameter, so tests work on a temporary root.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace qimen::files {

// $QIMEN_HOME when set and not empty; else $XDG_DATA_HOME/qimen; else
// $HOME/.local/share/qimen. Throws std::runtime_error when neither
// XDG_DATA_HOME nor HOME is set.
std::filesystem::path resolveDataRoot();

// root/dat
std::filesystem::path datDirectory(const std::filesystem::path& root);
// root/qimen_f
std::filesystem::path commentaryDirectory(const std::filesystem::path& root);

// The folder of the shipped default files (dili.ini …): $QIMEN_SHIPPED_DAT when
// set, else the data/dat folder of the build's source tree.
std::filesystem::path shippedDefaultsDirectory();

struct PreparedRoot {
    bool ok = true;
    std::string error;                // why the root could not be prepared
    std::vector<std::string> seeded;  // names of the default files copied in
};

// Creates root, dat/ and qimen_f/ when missing and copies every regular file
// of `defaults` that dat/ lacks. Never overwrites or deletes a user's file. A
// missing `defaults` folder only means nothing is seeded.
PreparedRoot prepareDataRoot(const std::filesystem::path& root, const std::filesystem::path& defaults);

}  // namespace qimen::files
