// ANSI rendering of styled text.
#include "ansi_render.hpp"

#include <algorithm>
#include <vector>

namespace qimen::cli {

using render::StyledRange;
using render::StyledText;

namespace {

struct Attributes {
    std::optional<std::uint32_t> colour;
    bool bold = false;

    bool plain() const { return !colour && !bold; }
    friend bool operator==(const Attributes&, const Attributes&) = default;
};

std::string sgr(const Attributes& a) {
    std::string codes;
    if (a.bold) codes = "1";
    if (a.colour) {
        if (!codes.empty()) codes += ';';
        if (*a.colour == render::kRed) {
            codes += "31";
        } else if (*a.colour == render::kBlue) {
            codes += "34";
        } else {
            codes += "38;2;" + std::to_string((*a.colour >> 16) & 0xFF) + ";" + std::to_string((*a.colour >> 8) & 0xFF) +
                     ";" + std::to_string(*a.colour & 0xFF);
        }
    }
    return "\x1b[" + codes + "m";
}

}  // namespace

std::string renderAnsi(const StyledText& styled) {
    const std::string& text = styled.text;
    std::vector<Attributes> attributes(text.size());
    for (const StyledRange& range : styled.ranges) {
        std::size_t begin = std::min(range.start, text.size());
        std::size_t end = std::min(range.start + range.length, text.size());
        for (std::size_t i = begin; i < end; ++i) {
            if (range.colour) attributes[i].colour = range.colour;
            if (range.bold) attributes[i].bold = true;
        }
    }
    std::string out;
    out.reserve(text.size() + styled.ranges.size() * 16);
    Attributes current;
    for (std::size_t i = 0; i < text.size(); ++i) {
        bool lineBreak = text[i] == '\r' || text[i] == '\n';
        Attributes wanted = lineBreak ? Attributes{} : attributes[i];
        if (!(wanted == current)) {
            if (!current.plain()) out += "\x1b[0m";
            if (!wanted.plain()) out += sgr(wanted);
            current = wanted;
        }
        out += text[i];
    }
    if (!current.plain()) out += "\x1b[0m";
    return out;
}

}  // namespace qimen::cli
