// Numbers as a person types them: plain decimal digits with an optional sign
// and, for fractions, one decimal point. Everything else is refused, so that
// "0x10", "1e3", "nan", "inf", " 5" or "5 " never pass for a number.
#pragma once

#include <optional>
#include <string_view>

namespace qimen::text {

// "[+-]digits" within the range of long long; nullopt otherwise.
std::optional<long long> parseDecimalInteger(std::string_view text);

// "[+-]digits", "[+-]digits.digits", "[+-].digits" or "[+-]digits." giving a
// finite value; nullopt otherwise.
std::optional<double> parseDecimalNumber(std::string_view text);

// True when the text holds nothing but spaces (ASCII space, tab, CR, LF and
// the full-width space U+3000): such a name or note counts as empty.
bool isBlank(std::string_view utf8);

}  // namespace qimen::text
