// The core's UTF-8 texts (string_view, not NUL-terminated) as Qt strings.
#pragma once

#include <QString>
#include <string_view>

namespace qimen::app {

inline QString utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace qimen::app
