// Text for a terminal: the chart texts end their lines in CR LF, which a
// terminal does not need.
#pragma once

#include <string>

namespace qimen::cli {

inline std::string withoutCarriageReturns(std::string text) {
    std::erase(text, '\r');
    return text;
}

}  // namespace qimen::cli
