// iconv-backed GBK conversion. One converter per direction and thread is kept
// open, since opening a converter costs far more than a short conversion.
#include "text/gbk.hpp"

#include <cerrno>
#include <iconv.h>

namespace qimen::text {
namespace {

class Converter {
public:
    Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {
        if (handle_ == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("iconv cannot convert from ") + from + " to " + to);
    }
    ~Converter() { iconv_close(handle_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts the whole input. On a bad sequence returns false and sets
    // badOffset to its byte offset in the input; `out` then holds the text
    // converted before it.
    bool convert(std::string_view in, std::string& out, std::size_t& badOffset) {
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);  // reset shift state
        out.clear();
        char* src = const_cast<char*>(in.data());
        std::size_t srcLeft = in.size();
        char buffer[512];
        while (srcLeft > 0) {
            char* dst = buffer;
            std::size_t dstLeft = sizeof buffer;
            std::size_t rc = iconv(handle_, &src, &srcLeft, &dst, &dstLeft);
            out.append(buffer, static_cast<std::size_t>(dst - buffer));
            if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) {
                badOffset = in.size() - srcLeft;
                return false;
            }
        }
        return true;
    }

private:
    iconv_t handle_;
};

Converter& toGbk() {
    thread_local Converter c("CP936", "UTF-8");
    return c;
}

Converter& fromGbk() {
    thread_local Converter c("UTF-8", "CP936");
    return c;
}

// Length of the UTF-8 sequence starting at s[i], at least 1.
std::size_t utf8SequenceLength(std::string_view s, std::size_t i) {
    auto b = static_cast<unsigned char>(s[i]);
    std::size_t n = b < 0x80 ? 1 : (b >> 5) == 0x6 ? 2 : (b >> 4) == 0xE ? 3 : (b >> 3) == 0x1E ? 4 : 1;
    return i + n <= s.size() ? n : s.size() - i;
}

}  // namespace

std::string utf8ToGbk(std::string_view utf8) {
    std::string out;
    std::size_t bad = 0;
    if (!toGbk().convert(utf8, out, bad)) {
        std::string ch(utf8.substr(bad, utf8SequenceLength(utf8, bad)));
        throw EncodingError("character \"" + ch + "\" at byte " + std::to_string(bad) +
                                " has no GBK form or is not valid UTF-8",
                            bad);
    }
    return out;
}

std::string gbkToUtf8(std::string_view gbk) {
    std::string out;
    std::size_t bad = 0;
    if (!fromGbk().convert(gbk, out, bad))
        throw EncodingError("invalid GBK byte sequence at byte " + std::to_string(bad), bad);
    return out;
}

std::string gbkToUtf8Lenient(std::string_view gbk) {
    std::string result;
    std::string part;
    std::size_t bad = 0;
    while (!gbk.empty()) {
        if (fromGbk().convert(gbk, part, bad)) {
            result += part;
            break;
        }
        result += part;
        result += "\xEF\xBF\xBD";  // U+FFFD
        gbk.remove_prefix(bad + 1);
    }
    return result;
}

std::size_t gbkLength(std::string_view utf8) { return utf8ToGbk(utf8).size(); }

bool isGbkEncodable(std::string_view utf8) noexcept {
    try {
        utf8ToGbk(utf8);
        return true;
    } catch (...) {
        return false;
    }
}

}  // namespace qimen::text
