// TZif parsing: header, then for each transition its time and the index of
// its local-time type, then the types (UT offset, DST flag, name index).
#include "files/zone_file.hpp"

#include <fstream>
#include <iterator>

namespace qimen::files {
namespace {

constexpr std::size_t kHeaderSize = 44;
constexpr std::uint64_t kMaxZoneFileBytes = 1 << 20;

// A cursor over the bytes that refuses to run past their end.
class Reader {
public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}
    bool has(std::size_t n) const { return bytes_.size() - at_ >= n; }
    std::uint64_t bigEndian(std::size_t n) {
        std::uint64_t value = 0;
        for (std::size_t i = 0; i < n; ++i) value = value << 8 | static_cast<unsigned char>(bytes_[at_ + i]);
        at_ += n;
        return value;
    }
    void skip(std::size_t n) { at_ += n; }

private:
    std::string_view bytes_;
    std::size_t at_ = 0;
};

struct Counts {
    std::uint64_t isut, isstd, leap, time, type, chars;
    // Bytes of the data block for transition times of `timeSize` bytes.
    std::uint64_t dataSize(std::uint64_t timeSize) const {
        return time * timeSize + time + type * 6 + chars + leap * (timeSize + 4) + isstd + isut;
    }
};

Expected<Counts> readHeader(Reader& in) {
    if (!in.has(kHeaderSize)) return fail("not a TZif file (too short)");
    if (in.bigEndian(4) != 0x545A6966) return fail("not a TZif file (no TZif magic)");
    in.skip(16);  // version and reserved bytes
    Counts c{in.bigEndian(4), in.bigEndian(4), in.bigEndian(4), in.bigEndian(4), in.bigEndian(4), in.bigEndian(4)};
    if (c.type == 0 || c.type > 256 || (c.isut != 0 && c.isut != c.type) || (c.isstd != 0 && c.isstd != c.type))
        return fail("damaged TZif header (inconsistent counts)");
    if (c.time > 1000000 || c.leap > 1000000 || c.chars > 1000000) return fail("damaged TZif header (counts too large)");
    return c;
}

Expected<std::vector<ZoneTransition>> readData(Reader& in, const Counts& c, std::size_t timeSize) {
    if (!in.has(c.dataSize(timeSize))) return fail("damaged TZif file (truncated data)");
    std::vector<std::int64_t> times(c.time);
    for (auto& t : times) {
        std::uint64_t raw = in.bigEndian(timeSize);
        t = timeSize == 4 ? static_cast<std::int32_t>(static_cast<std::uint32_t>(raw)) : static_cast<std::int64_t>(raw);
    }
    std::vector<std::uint8_t> typeOf(c.time);
    for (auto& index : typeOf) {
        index = static_cast<std::uint8_t>(in.bigEndian(1));
        if (index >= c.type) return fail("damaged TZif file (transition to an unknown type)");
    }
    struct Type {
        std::int32_t offset;
        bool dst;
    };
    std::vector<Type> types(c.type);
    for (auto& type : types) {
        type.offset = static_cast<std::int32_t>(static_cast<std::uint32_t>(in.bigEndian(4)));
        type.dst = in.bigEndian(1) != 0;
        in.skip(1);
    }
    std::vector<ZoneTransition> transitions;
    transitions.reserve(times.size());
    for (std::size_t i = 0; i < times.size(); ++i) {
        if (i > 0 && times[i] <= times[i - 1]) return fail("damaged TZif file (transitions out of order)");
        transitions.push_back({times[i], types[typeOf[i]].offset, types[typeOf[i]].dst});
    }
    in.skip(c.chars + c.leap * (timeSize + 4) + c.isstd + c.isut);
    return transitions;
}

}  // namespace

Expected<std::vector<ZoneTransition>> parseZoneData(std::string_view bytes) {
    Reader in(bytes);
    Expected<Counts> first = readHeader(in);
    if (!first) return fail(first.message());
    const char version = bytes[4];
    if (version == 0) return readData(in, *first, 4);
    // Version 2 and later: skip the 32-bit block, read the 64-bit one.
    if (!in.has(first->dataSize(4))) return fail("damaged TZif file (truncated data)");
    in.skip(first->dataSize(4));
    Expected<Counts> second = readHeader(in);
    if (!second) return fail(second.message());
    return readData(in, *second, 8);
}

Expected<std::vector<ZoneTransition>> readZoneFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return fail(path.string() + ": cannot be opened");
    std::string bytes;
    char buffer[4096];
    while (file.read(buffer, sizeof buffer) || file.gcount() > 0) {
        bytes.append(buffer, static_cast<std::size_t>(file.gcount()));
        if (bytes.size() > kMaxZoneFileBytes) return fail(path.string() + ": too large for a zone file");
    }
    if (file.bad()) return fail(path.string() + ": cannot be read");
    Expected<std::vector<ZoneTransition>> transitions = parseZoneData(bytes);
    if (!transitions) return fail(path.string() + ": " + transitions.message());
    return transitions;
}

}  // namespace qimen::files
