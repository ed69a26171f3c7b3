// RTF output: one font table, one colour table, one paragraph format, a
// style switch at each run edge.
#include "cases/rtf_writer.hpp"

#include <algorithm>
#include <cstdio>
#include <map>

#include "text/gbk.hpp"

namespace qimen::cases {
namespace {

void appendHexBytes(std::string& out, const std::string& bytes) {
    char buffer[8];
    for (unsigned char byte : bytes) {
        std::snprintf(buffer, sizeof buffer, "\\'%02x", byte);
        out += buffer;
    }
}

// Decodes one UTF-8 character at text[i]; returns its code point and length.
std::pair<char32_t, std::size_t> nextCharacter(const std::string& text, std::size_t i) {
    auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 1;
    length = std::min(length, text.size() - i);
    char32_t code = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) code = (code << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    return {code, length};
}

void appendCharacter(std::string& out, const std::string& text, std::size_t i, char32_t code, std::size_t length) {
    if (code == '\\' || code == '{' || code == '}') {
        out += '\\';
        out += static_cast<char>(code);
    } else if (code == '\t') {
        out += "\\tab ";
    } else if (code < 0x80) {
        out += static_cast<char>(code);
    } else {
        auto character = text.substr(i, length);
        std::string gbk = text::isGbkEncodable(character) ? text::utf8ToGbk(character) : std::string();
        std::uint32_t units = code > 0xFFFF ? 2 : 1;
        char32_t codes[2] = {code, 0};
        if (units == 2) {
            codes[0] = 0xD800 + ((code - 0x10000) >> 10);
            codes[1] = 0xDC00 + ((code - 0x10000) & 0x3FF);
        }
        out += "\\uc" + std::to_string(gbk.empty() ? 0 : gbk.size());
        for (std::uint32_t u = 0; u < units; ++u) {
            out += "\\u" + std::to_string(static_cast<std::int16_t>(static_cast<std::uint16_t>(codes[u])));
            if (u + 1 < units) continue;
            if (gbk.empty()) out += ' ';
            else appendHexBytes(out, gbk);
        }
    }
}

}  // namespace

std::string writeRtf(const RichText& rich, const std::string& fontName) {
    std::map<std::uint32_t, int> colourIndex;  // colour → index in the table (1-based)
    std::vector<std::uint32_t> colours;
    for (const auto& run : rich.runs)
        if (run.style.colour != 0 && colourIndex.emplace(run.style.colour, 0).second) colours.push_back(run.style.colour);
    // Font 0 is the document's font; each other family of a run gets the
    // next number. A family without a GBK form falls back to font 0.
    std::map<std::string, int> fontIndex;
    std::vector<std::string> families{text::isGbkEncodable(fontName) ? fontName : std::string("SimSun")};
    for (const auto& run : rich.runs) {
        const std::string& family = run.style.family;
        if (family.empty() || family == fontName || !text::isGbkEncodable(family)) continue;
        if (fontIndex.emplace(family, static_cast<int>(families.size())).second) families.push_back(family);
    }
    auto fontOf = [&](const TextStyle& style) {
        auto found = fontIndex.find(style.family);
        return found == fontIndex.end() ? 0 : found->second;
    };
    std::string out = "{\\rtf1\\ansi\\ansicpg936\\deff0{\\fonttbl";
    for (std::size_t f = 0; f < families.size(); ++f) {
        out += "{\\f" + std::to_string(f) + "\\fnil\\fcharset134 ";
        appendHexBytes(out, text::utf8ToGbk(families[f]));
        out += ";}";
    }
    out += "}\r\n{\\colortbl ;";
    for (std::size_t k = 0; k < colours.size(); ++k) {
        colourIndex[colours[k]] = static_cast<int>(k + 1);
        out += "\\red" + std::to_string(colours[k] >> 16) + "\\green" + std::to_string((colours[k] >> 8) & 0xFF) +
               "\\blue" + std::to_string(colours[k] & 0xFF) + ";";
    }
    out += "}\r\n\\viewkind4\\pard";
    if (rich.firstLineIndent != 0) out += "\\fi" + std::to_string(rich.firstLineIndent);
    out += "\\plain\\f0\\fs24 ";

    const TextStyle plain;
    auto switchTo = [&](const TextStyle& style) {
        out += "\\plain\\f" + std::to_string(fontOf(style)) + "\\fs" + std::to_string(style.halfPoints);
        if (style.bold) out += "\\b";
        if (style.italic) out += "\\i";
        if (style.underline) out += "\\ul";
        if (style.colour != 0) out += "\\cf" + std::to_string(colourIndex[style.colour]);
        out += ' ';
    };
    std::size_t nextRange = 0;
    std::size_t rangeEnd = std::string::npos;
    const std::string& text = rich.text;
    for (std::size_t i = 0; i < text.size();) {
        if (i == rangeEnd) {
            switchTo(plain);
            rangeEnd = std::string::npos;
        }
        while (nextRange < rich.runs.size() && rich.runs[nextRange].begin + rich.runs[nextRange].length <= i)
            ++nextRange;
        if (nextRange < rich.runs.size() && rich.runs[nextRange].begin == i && rich.runs[nextRange].length > 0) {
            switchTo(rich.runs[nextRange].style);
            rangeEnd = i + rich.runs[nextRange].length;
            ++nextRange;
        }
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            out += "\\par\r\n";
            i += 2;
            continue;
        }
        if (text[i] == '\n' || text[i] == '\r') {
            out += "\\par\r\n";
            ++i;
            continue;
        }
        auto [code, length] = nextCharacter(text, i);
        appendCharacter(out, text, i, code, length);
        i += length;
    }
    out += "}\r\n";
    return out;
}

}  // namespace qimen::cases
