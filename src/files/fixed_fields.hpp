// Reading and writing the fields of the raw on-disk records: little-endian
// integers, IEEE single floats and zero-terminated GBK texts in fixed cells.
// Callers hold the record as a byte array and name each field by its offset.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

#include "base/expected.hpp"

namespace qimen::files {

// A text that does not fit its field, or cannot be written in GBK.
class FieldError : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

// What an encoder that raises FieldError makes: its record image, or the
// message naming the field that does not fit.
template <typename Encode>
auto encodedOrFailure(Encode encode) -> Expected<decltype(encode())> {
    try {
        return encode();
    } catch (const FieldError& error) {
        return fail(error.what());
    }
}

template <typename Int>
Int readLittleEndian(std::span<const std::uint8_t> bytes, std::size_t offset) {
    using Unsigned = std::make_unsigned_t<Int>;
    Unsigned value = 0;
    for (std::size_t i = 0; i < sizeof(Int); ++i) value |= static_cast<Unsigned>(Unsigned(bytes[offset + i]) << (8 * i));
    return static_cast<Int>(value);
}

template <typename Int>
void writeLittleEndian(std::span<std::uint8_t> bytes, std::size_t offset, Int value) {
    auto raw = static_cast<std::make_unsigned_t<Int>>(value);
    for (std::size_t i = 0; i < sizeof(Int); ++i) bytes[offset + i] = static_cast<std::uint8_t>(raw >> (8 * i));
}

inline float readFloat(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return std::bit_cast<float>(readLittleEndian<std::uint32_t>(bytes, offset));
}

inline void writeFloat(std::span<std::uint8_t> bytes, std::size_t offset, float value) {
    writeLittleEndian<std::uint32_t>(bytes, offset, std::bit_cast<std::uint32_t>(value));
}

// The GBK bytes of a text cell: up to the first zero, or the whole cell when a
// damaged record has no terminator (never beyond the cell).
std::string_view cellBytes(std::span<const std::uint8_t> bytes, std::size_t offset, std::size_t cellSize);

// The text of a cell as UTF-8; bytes that are not GBK show as U+FFFD.
std::string readTextCell(std::span<const std::uint8_t> bytes, std::size_t offset, std::size_t cellSize);

// Writes a UTF-8 text as GBK into a cell, zero-filling the rest of the cell.
// Throws FieldError naming `fieldName` when the text has more than maxBytes
// GBK bytes or a character without a GBK form.
void writeTextCell(std::span<std::uint8_t> bytes, std::size_t offset, std::size_t cellSize, std::size_t maxBytes,
                   std::string_view utf8, std::string_view fieldName);

// The longest start of a UTF-8 text whose GBK form has at most maxBytes bytes,
// cut at a character boundary (used where a text must be shortened to fit).
std::string fitToGbkBytes(std::string_view utf8, std::size_t maxBytes);

}  // namespace qimen::files
