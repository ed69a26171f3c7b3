// RTF tokenizer and the small state machine that turns it into styled text.
#include "cases/rtf_reader.hpp"

#include <algorithm>
#include <array>
#include <cctype>
#include <map>
#include <vector>

#include "text/gbk.hpp"

namespace qimen::cases {
namespace {

constexpr std::size_t kMaxDepth = 256;  // deeper groups are read as part of their parent
constexpr std::size_t kMaxFonts = 1024;  // font table entries kept; later ones read as the default font
constexpr std::size_t kMaxFontNameBytes = 256;

struct GroupState {
    TextStyle style;
    int colourIndex = 0;
    long fontIndex = -1;  // \fN of the text; -1 before any
    int unicodeSkip = 1;  // \ucN: fallback characters after each \uN
    bool skip = false;    // inside a destination whose text is not shown
};

// Destinations whose content is not text of the document.
bool isSkippedDestination(std::string_view word) {
    static constexpr std::array<std::string_view, 22> kWords{
        "fonttbl", "stylesheet", "info",     "pict",   "header",  "footer",   "headerl", "headerr",
        "footerl", "footerr",    "object",   "themedata", "colorschememapping", "datastore", "latentstyles",
        "listtable", "listoverridetable", "rsidtbl", "generator", "xmlnstbl", "filetbl", "fldinst"};
    return std::find(kWords.begin(), kWords.end(), word) != kWords.end();
}

std::string latin1ToUtf8(const std::string& bytes) {
    std::string utf8;
    for (unsigned char b : bytes) {
        if (b < 0x80) {
            utf8 += static_cast<char>(b);
            continue;
        }
        utf8 += static_cast<char>(0xC0 | (b >> 6));
        utf8 += static_cast<char>(0x80 | (b & 0x3F));
    }
    return utf8;
}

class Reader {
public:
    explicit Reader(std::string_view input) : in_(input) {}

    RichText run() {
        stack_.push_back({});
        while (pos_ < in_.size()) {
            char c = in_[pos_];
            if (c == '{') {
                ++pos_;
                pendingSkip_ = 0;
                flushBytes();
                if (stack_.size() < kMaxDepth) stack_.push_back(stack_.back());
                else ++overflow_;
                continue;
            }
            if (c == '}') {
                ++pos_;
                pendingSkip_ = 0;
                flushBytes();
                if (overflow_ > 0) --overflow_;
                else if (stack_.size() > 1) {
                    bool leavingColourTable = stack_.back().skip && inColourTable_ == stack_.size();
                    if (fontEntryDepth_ == stack_.size()) endFontName();
                    if (inFontTable_ == stack_.size()) inFontTable_ = 0;
                    stack_.pop_back();
                    if (leavingColourTable) inColourTable_ = 0;
                }
                continue;
            }
            if (c == '\\') {
                controlWord();
                continue;
            }
            ++pos_;
            if (c == '\r' || c == '\n' || c == '\0') continue;
            if (inColourTable_ && c == ';') {
                colours_.push_back(pendingColour_);
                pendingColour_ = 0;
                continue;
            }
            if (fontEntryDepth_ == stack_.size() && c == ';') {
                endFontName();
                continue;
            }
            emitByte(static_cast<unsigned char>(c));
        }
        flushBytes();
        return std::move(out_);
    }

private:
    GroupState& state() { return stack_.back(); }

    // A font table entry: \fN, then its name up to ";" or the end of its group.
    void beginFontName(long index) {
        endFontName();
        pendingFont_ = index;
        fontEntryDepth_ = stack_.size();
    }
    void endFontName() {
        if (fontEntryDepth_ == 0) return;
        fontEntryDepth_ = 0;
        std::size_t first = fontName_.find_first_not_of(' ');
        std::string name = first == std::string::npos ? std::string() : fontName_.substr(first);
        while (!name.empty() && name.back() == ' ') name.pop_back();
        fontName_.clear();
        if (name.empty() || fonts_.size() >= kMaxFonts) return;
        fonts_.emplace(pendingFont_, codePage_ == 936 ? text::gbkToUtf8Lenient(name) : latin1ToUtf8(name));
    }

    // A byte of the document's code page (GBK for 936, Latin-1 otherwise).
    void emitByte(unsigned char byte) {
        if (pendingSkip_ > 0) {
            --pendingSkip_;
            return;
        }
        if (fontEntryDepth_ == stack_.size()) {
            if (fontName_.size() < kMaxFontNameBytes) fontName_ += static_cast<char>(byte);
            return;
        }
        if (state().skip) return;
        if (byte < 0x80) {
            flushBytes();
            append(std::string(1, static_cast<char>(byte)));
            return;
        }
        bytes_ += static_cast<char>(byte);
    }

    void flushBytes() {
        if (bytes_.empty()) return;
        std::string utf8 = codePage_ == 936 ? text::gbkToUtf8Lenient(bytes_) : latin1ToUtf8(bytes_);
        bytes_.clear();
        append(utf8);
    }

    void emitCodePoint(char32_t code) {
        flushBytes();
        if (state().skip) return;
        std::string utf8;
        if (code < 0x80) utf8 += static_cast<char>(code);
        else if (code < 0x800) {
            utf8 += static_cast<char>(0xC0 | (code >> 6));
            utf8 += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            utf8 += static_cast<char>(0xE0 | (code >> 12));
            utf8 += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            utf8 += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            utf8 += static_cast<char>(0xF0 | (code >> 18));
            utf8 += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            utf8 += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            utf8 += static_cast<char>(0x80 | (code & 0x3F));
        }
        append(utf8);
    }

    // Appends text with the current style, extending the last range when the
    // style is the same.
    void append(const std::string& utf8) {
        if (utf8.empty()) return;
        TextStyle style = state().style;
        // Entry 0 of the colour table is the automatic colour.
        style.colour = state().colourIndex > 0 && state().colourIndex < static_cast<int>(colours_.size())
                           ? colours_[static_cast<std::size_t>(state().colourIndex)]
                           : 0;
        // The default font (\deff) and fonts the table does not name read as
        // the document's font.
        if (auto font = fonts_.find(state().fontIndex); font != fonts_.end() && state().fontIndex != defaultFont_)
            style.family = font->second;
        std::size_t begin = out_.text.size();
        out_.text += utf8;
        if (style == TextStyle{}) return;
        if (!out_.runs.empty()) {
            auto& last = out_.runs.back();
            if (last.begin + last.length == begin && last.style == style) {
                last.length += utf8.size();
                return;
            }
        }
        out_.runs.push_back({begin, utf8.size(), style});
    }

    void controlWord() {
        ++pos_;  // the backslash
        if (pos_ >= in_.size()) return;
        char c = in_[pos_];
        if (!std::isalpha(static_cast<unsigned char>(c))) {
            ++pos_;
            switch (c) {
            case '\'': {
                int value = 0, digits = 0;
                while (digits < 2 && pos_ < in_.size() && std::isxdigit(static_cast<unsigned char>(in_[pos_]))) {
                    char h = static_cast<char>(std::tolower(static_cast<unsigned char>(in_[pos_++])));
                    value = value * 16 + (h <= '9' ? h - '0' : h - 'a' + 10);
                    ++digits;
                }
                if (digits > 0) emitByte(static_cast<unsigned char>(value));
                break;
            }
            case '\\': case '{': case '}': emitByte(static_cast<unsigned char>(c)); break;
            case '~': emitCodePoint(0xA0); break;
            case '_': emitCodePoint('-'); break;
            case '*': state().skip = true; break;  // {\* …}: an optional destination none of which is read
            case '\r': case '\n': flushBytes(); if (!state().skip) append("\r\n"); break;
            default: break;
            }
            return;
        }
        std::size_t start = pos_;
        while (pos_ < in_.size() && pos_ - start < 32 && std::isalpha(static_cast<unsigned char>(in_[pos_]))) ++pos_;
        std::string_view word = in_.substr(start, pos_ - start);
        while (pos_ < in_.size() && std::isalpha(static_cast<unsigned char>(in_[pos_]))) ++pos_;  // over-long word
        bool hasParameter = false, negative = false;
        long parameter = 0;
        if (pos_ < in_.size() && in_[pos_] == '-') {
            negative = true;
            ++pos_;
        }
        std::size_t digits = 0;
        while (pos_ < in_.size() && std::isdigit(static_cast<unsigned char>(in_[pos_]))) {
            if (digits++ < 9) parameter = parameter * 10 + (in_[pos_] - '0');
            hasParameter = true;
            ++pos_;
        }
        if (negative) parameter = -parameter;
        if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;
        apply(word, hasParameter, parameter);
    }

    void apply(std::string_view word, bool hasParameter, long parameter) {
        GroupState& s = state();
        if (word == "u") {
            long code = parameter < 0 ? parameter + 65536 : parameter;
            if (code >= 0xD800 && code < 0xDC00) {
                highSurrogate_ = static_cast<char32_t>(code);
            } else if (code >= 0xDC00 && code < 0xE000 && highSurrogate_) {
                emitCodePoint(0x10000 + ((highSurrogate_ - 0xD800) << 10) + (static_cast<char32_t>(code) - 0xDC00));
                highSurrogate_ = 0;
            } else if ((code >= 0 && code < 0xD800) || (code >= 0xE000 && code <= 0xFFFF)) {
                emitCodePoint(static_cast<char32_t>(code));
            }
            flushBytes();
            pendingSkip_ = std::max(0, s.unicodeSkip);
            return;
        }
        pendingSkip_ = 0;
        if (word == "uc") s.unicodeSkip = static_cast<int>(std::clamp(parameter, 0L, 16L));
        else if (word == "par" || word == "line" || word == "row") { flushBytes(); if (!s.skip) append("\r\n"); }
        else if (word == "tab" || word == "cell") { flushBytes(); if (!s.skip) append("\t"); }
        else if (word == "emdash") emitCodePoint(0x2014);
        else if (word == "endash") emitCodePoint(0x2013);
        else if (word == "lquote") emitCodePoint(0x2018);
        else if (word == "rquote") emitCodePoint(0x2019);
        else if (word == "ldblquote") emitCodePoint(0x201C);
        else if (word == "rdblquote") emitCodePoint(0x201D);
        else if (word == "bullet") emitCodePoint(0x2022);
        else if (word == "b") { flushBytes(); s.style.bold = !hasParameter || parameter != 0; }
        else if (word == "i") { flushBytes(); s.style.italic = !hasParameter || parameter != 0; }
        else if (word == "ul") { flushBytes(); s.style.underline = !hasParameter || parameter != 0; }
        else if (word == "ulnone") { flushBytes(); s.style.underline = false; }
        else if (word == "f" && inFontTable_) beginFontName(parameter);
        else if (word == "f") { flushBytes(); s.fontIndex = parameter; }
        else if (word == "deff") defaultFont_ = parameter;
        else if (word == "fonttbl") { s.skip = true; inFontTable_ = stack_.size(); }
        else if (word == "cf") { flushBytes(); s.colourIndex = static_cast<int>(std::clamp(parameter, 0L, 100000L)); }
        else if (word == "fs") { flushBytes(); s.style.halfPoints = static_cast<int>(std::clamp(hasParameter ? parameter : 24L, 1L, 3276L)); }
        else if (word == "plain") { flushBytes(); s.style = TextStyle{}; s.colourIndex = 0; s.fontIndex = defaultFont_; }
        else if (word == "fi" && !s.skip && !sawIndent_) { sawIndent_ = true; out_.firstLineIndent = static_cast<int>(std::clamp(parameter, -31680L, 31680L)); }
        else if (word == "ansicpg") codePage_ = static_cast<int>(parameter);
        else if (word == "colortbl") { s.skip = true; inColourTable_ = stack_.size(); colours_.clear(); pendingColour_ = 0; }
        else if (inColourTable_ && word == "red") pendingColour_ = (pendingColour_ & 0x00FFFF) | (std::uint32_t(parameter & 0xFF) << 16);
        else if (inColourTable_ && word == "green") pendingColour_ = (pendingColour_ & 0xFF00FF) | (std::uint32_t(parameter & 0xFF) << 8);
        else if (inColourTable_ && word == "blue") pendingColour_ = (pendingColour_ & 0xFFFF00) | std::uint32_t(parameter & 0xFF);
        else if (isSkippedDestination(word)) s.skip = true;
    }

    std::string_view in_;
    std::size_t pos_ = 0;
    std::vector<GroupState> stack_;
    std::size_t overflow_ = 0;
    std::string bytes_;
    int codePage_ = 936;
    int pendingSkip_ = 0;
    char32_t highSurrogate_ = 0;
    std::size_t inColourTable_ = 0;  // depth of the colour table group, 0 outside
    std::uint32_t pendingColour_ = 0;
    std::vector<std::uint32_t> colours_;
    std::size_t inFontTable_ = 0;     // depth of the font table group, 0 outside
    std::size_t fontEntryDepth_ = 0;  // depth whose bytes are a font's name, 0 when none
    long pendingFont_ = 0;
    std::string fontName_;            // bytes of the name being read
    std::map<long, std::string> fonts_;
    long defaultFont_ = 0;
    bool sawIndent_ = false;
    RichText out_;
};

}  // namespace

RtfReadResult readRtf(std::string_view rtf) {
    RtfReadResult result;
    std::size_t start = rtf.find_first_not_of(" \t\r\n");
    if (start == std::string_view::npos || rtf.substr(start, 5) != "{\\rtf") {
        result.isRtf = false;
        return result;
    }
    result.text = Reader(rtf.substr(start)).run();
    return result;
}

}  // namespace qimen::cases
