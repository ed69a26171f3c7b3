// The system's time-zone database: the transitions of one zone read from its
// compiled file (TZif, RFC 8536, e.g. /usr/share/zoneinfo/Asia/Shanghai).
// Read directly rather than through the C library's local time, which hangs
// on the process-wide TZ variable and is not safe to switch between threads.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

#include "base/expected.hpp"

namespace qimen::files {

// From `utcSeconds` (seconds since 1970-01-01 00:00 UTC) on, the zone's
// clocks run `utcOffsetSeconds` ahead of UTC; `daylightSaving` marks summer
// time.
struct ZoneTransition {
    std::int64_t utcSeconds = 0;
    std::int32_t utcOffsetSeconds = 0;
    bool daylightSaving = false;

    friend bool operator==(const ZoneTransition&, const ZoneTransition&) = default;
};

// The transitions of a TZif file's contents, in time order (the 64-bit data
// of version 2 and later files, else the 32-bit data); the footer's rule for
// times after the last transition is not read. Fails, naming the fault, for
// contents that are not a whole, consistent TZif file.
Expected<std::vector<ZoneTransition>> parseZoneData(std::string_view bytes);

// parseZoneData of the file at `path` (at most 1 MiB), or the reason it
// cannot be read.
Expected<std::vector<ZoneTransition>> readZoneFile(const std::filesystem::path& path);

// Where the system keeps the zone of China's standard time.
inline constexpr const char* kChinaZoneFile = "/usr/share/zoneinfo/Asia/Shanghai";

}  // namespace qimen::files
