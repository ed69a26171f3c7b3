// A check that dat/dili.ini survives being rewritten. The INI reader skips
// lines it cannot read (a section without "]", a line without "=", an entry
// without a key) and keeps only the last of two equal keys, so saving such a
// file after any change would silently drop those lines. A writer runs this
// check first and leaves a file that fails it alone.
#pragma once

#include <filesystem>
#include <string_view>

#include "base/expected.hpp"

namespace qimen::places {

// Checks the GBK bytes of a place file line by line, as the INI reader reads
// them (keys and sections compare ignoring ASCII case). Fails naming the
// first line that would be lost and how many there are.
Expected<void> checkPlaceFileText(std::string_view gbk);

// The same check on the file at `path`; a missing file passes, a file that
// cannot be read fails with the reason.
Expected<void> checkPlaceFile(const std::filesystem::path& path);

}  // namespace qimen::places
