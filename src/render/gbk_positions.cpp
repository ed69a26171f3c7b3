// GBK byte positions over a UTF-8 text.
#include "render/gbk_positions.hpp"

#include "text/gbk.hpp"

namespace qimen::render {
namespace {

std::size_t utf8CharLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if ((lead >> 5) == 0x6) return 2;
    if ((lead >> 4) == 0xE) return 3;
    if ((lead >> 3) == 0x1E) return 4;
    return 1;
}

// A placeholder of two bytes that no needle contains.
constexpr std::string_view kUnencodable = "\x01\x01";

}  // namespace

GbkPositions::GbkPositions(std::string_view utf8) {
    bool whole = true;
    try {
        gbk_ = text::utf8ToGbk(utf8);
    } catch (const text::EncodingError&) {
        whole = false;
        gbk_.clear();
    }
    std::size_t u = 0;
    std::size_t g = 0;
    gbkStart_.reserve(utf8.size() + 1);
    utf8Start_.reserve(utf8.size() + 1);
    charOfByte_.reserve(utf8.size() + 1);
    while (u < utf8.size()) {
        std::size_t ulen = std::min(utf8CharLength(static_cast<unsigned char>(utf8[u])), utf8.size() - u);
        std::size_t glen = 0;
        if (whole) {
            glen = static_cast<unsigned char>(gbk_[g]) > 0x80 ? 2 : 1;
        } else {
            std::string one;
            try {
                one = text::utf8ToGbk(utf8.substr(u, ulen));
            } catch (const text::EncodingError&) {
                one = kUnencodable;
            }
            gbk_ += one;
            glen = one.size();
        }
        auto index = static_cast<std::uint32_t>(gbkStart_.size());
        gbkStart_.push_back(static_cast<std::uint32_t>(g));
        utf8Start_.push_back(static_cast<std::uint32_t>(u));
        charOfByte_.insert(charOfByte_.end(), glen, index);
        u += ulen;
        g += glen;
    }
    gbkStart_.push_back(static_cast<std::uint32_t>(g));
    utf8Start_.push_back(static_cast<std::uint32_t>(u));
    charOfByte_.push_back(static_cast<std::uint32_t>(gbkStart_.size() - 1));
}

std::optional<std::size_t> GbkPositions::find(std::string_view needle, std::size_t from) const {
    if (needle.empty()) return std::nullopt;
    std::string pattern;
    try {
        pattern = text::utf8ToGbk(needle);
    } catch (const text::EncodingError&) {
        return std::nullopt;
    }
    std::string_view haystack(gbk_);
    std::size_t at = from;
    while (at < haystack.size()) {
        at = haystack.find(pattern, at);
        if (at == std::string_view::npos) return std::nullopt;
        if (gbkStart_[charOfByte_[at]] == at) return at;
        ++at;
    }
    return std::nullopt;
}

StyledRange GbkPositions::select(std::size_t start, std::size_t length) const {
    std::size_t size = gbk_.size();
    std::size_t begin = std::min(start, size);
    std::size_t end = std::min(start + length, size);
    // First character starting at or after `begin`, first starting at or after `end`.
    auto firstFrom = [&](std::size_t byte) -> std::size_t {
        std::size_t c = charOfByte_[byte];
        return gbkStart_[c] < byte ? c + 1 : c;
    };
    std::size_t first = firstFrom(begin);
    std::size_t last = std::max(first, firstFrom(end));
    StyledRange range;
    range.charStart = first;
    range.charLength = last - first;
    range.start = utf8Start_[first];
    range.length = utf8Start_[last] - utf8Start_[first];
    return range;
}

}  // namespace qimen::render
