// Conversion between the UTF-8 text the program holds in memory and the GBK
// (code page 936) bytes of every file it reads or writes. All byte limits and
// byte offsets of the on-disk formats are GBK byte counts measured here.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace qimen::text {

// Raised when a text cannot be converted: a character without a GBK form, or
// bytes that are not valid in the source encoding. The message names the
// offending position so that a user can find it.
class EncodingError : public std::runtime_error {
public:
    EncodingError(const std::string& message, std::size_t offset)
        : std::runtime_error(message), offset_(offset) {}
    // Byte offset of the first bad character in the input.
    std::size_t offset() const noexcept { return offset_; }

private:
    std::size_t offset_;
};

// UTF-8 → GBK. Throws EncodingError for invalid UTF-8 or a character that has
// no GBK form; never substitutes or drops characters.
std::string utf8ToGbk(std::string_view utf8);

// GBK → UTF-8. Throws EncodingError for bytes that are not valid GBK.
std::string gbkToUtf8(std::string_view gbk);

// GBK → UTF-8 for damaged input: each byte that does not start a valid GBK
// character becomes U+FFFD, so that a damaged file can still be shown.
std::string gbkToUtf8Lenient(std::string_view gbk);

// Number of bytes the UTF-8 text occupies in GBK. Throws like utf8ToGbk.
std::size_t gbkLength(std::string_view utf8);

// True when every character of the UTF-8 text has a GBK form.
bool isGbkEncodable(std::string_view utf8) noexcept;

}  // namespace qimen::text
