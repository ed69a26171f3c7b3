// The result list of a time search saved as a text file: one result line a
// line, GBK with CR LF line ends like the other text files of the workbench.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "base/expected.hpp"

namespace qimen::search {

// Writes `lines` (UTF-8 result lines "F:YYYY-MM-DD HH:MM") to `path`, each
// followed by CR LF, replacing the file whole or not at all. Fails with the
// reason when the file cannot be written.
Expected<void> saveResultList(const std::filesystem::path& path, const std::vector<std::string>& lines);

}  // namespace qimen::search
