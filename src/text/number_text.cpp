// Strict decimal numbers and blank texts.
#include "text/number_text.hpp"

#include <charconv>
#include <cmath>

namespace qimen::text {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view withoutSign(std::string_view text) {
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) text.remove_prefix(1);
    return text;
}

}  // namespace

std::optional<long long> parseDecimalInteger(std::string_view text) {
    std::string_view digits = withoutSign(text);
    if (digits.empty()) return std::nullopt;
    for (char c : digits)
        if (!isDigit(c)) return std::nullopt;
    // from_chars takes a leading '-' but not '+'.
    std::string_view parsed = text.front() == '+' ? digits : text;
    long long value = 0;
    auto [end, error] = std::from_chars(parsed.data(), parsed.data() + parsed.size(), value);
    if (error != std::errc() || end != parsed.data() + parsed.size()) return std::nullopt;
    return value;
}

std::optional<double> parseDecimalNumber(std::string_view text) {
    std::string_view body = withoutSign(text);
    std::size_t digits = 0, points = 0;
    for (char c : body) {
        if (isDigit(c)) ++digits;
        else if (c == '.') ++points;
        else return std::nullopt;
    }
    if (digits == 0 || points > 1) return std::nullopt;
    std::string_view parsed = text.front() == '+' ? body : text;
    double value = 0;
    auto [end, error] = std::from_chars(parsed.data(), parsed.data() + parsed.size(), value, std::chars_format::fixed);
    if (error != std::errc() || end != parsed.data() + parsed.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

bool isBlank(std::string_view utf8) {
    static constexpr std::string_view kFullWidthSpace = "\xE3\x80\x80";
    while (!utf8.empty()) {
        if (utf8.starts_with(kFullWidthSpace)) {
            utf8.remove_prefix(kFullWidthSpace.size());
            continue;
        }
        char c = utf8.front();
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n') return false;
        utf8.remove_prefix(1);
    }
    return true;
}

}  // namespace qimen::text
