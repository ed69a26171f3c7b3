// Text cells of the raw records.
#include "files/fixed_fields.hpp"

#include <algorithm>

#include "text/gbk.hpp"

namespace qimen::files {

std::string_view cellBytes(std::span<const std::uint8_t> bytes, std::size_t offset, std::size_t cellSize) {
    auto cell = bytes.subspan(offset, cellSize);
    auto end = std::find(cell.begin(), cell.end(), std::uint8_t{0});
    return {reinterpret_cast<const char*>(cell.data()), static_cast<std::size_t>(end - cell.begin())};
}

std::string readTextCell(std::span<const std::uint8_t> bytes, std::size_t offset, std::size_t cellSize) {
    return text::gbkToUtf8Lenient(cellBytes(bytes, offset, cellSize));
}

void writeTextCell(std::span<std::uint8_t> bytes, std::size_t offset, std::size_t cellSize, std::size_t maxBytes,
                   std::string_view utf8, std::string_view fieldName) {
    std::string gbk;
    try {
        gbk = text::utf8ToGbk(utf8);
    } catch (const text::EncodingError& error) {
        throw FieldError(std::string(fieldName) + ": " + error.what());
    }
    if (gbk.size() > maxBytes)
        throw FieldError(std::string(fieldName) + " is " + std::to_string(gbk.size()) + " bytes long in GBK; at most " +
                         std::to_string(maxBytes) + " fit");
    if (gbk.find('\0') != std::string::npos) throw FieldError(std::string(fieldName) + " contains a zero byte");
    auto cell = bytes.subspan(offset, cellSize);
    std::fill(cell.begin(), cell.end(), std::uint8_t{0});
    std::copy(gbk.begin(), gbk.end(), reinterpret_cast<char*>(cell.data()));
}

std::string fitToGbkBytes(std::string_view utf8, std::size_t maxBytes) {
    std::string result;
    std::size_t used = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        auto lead = static_cast<unsigned char>(utf8[i]);
        std::size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 1;
        length = std::min(length, utf8.size() - i);
        auto character = utf8.substr(i, length);
        std::size_t cost = text::isGbkEncodable(character) ? text::gbkLength(character) : 0;
        if (cost == 0 || used + cost > maxBytes) break;
        result.append(character);
        used += cost;
        i += length;
    }
    return result;
}

}  // namespace qimen::files
