// The place file's line check: every line must come back when the file is
// rewritten.
#include "places/place_file_check.hpp"

#include <set>
#include <string>
#include <utility>

#include "files/file_io.hpp"
#include "files/gbk_ini.hpp"
#include "text/gbk.hpp"

namespace qimen::places {
namespace {

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && isSpace(s.front())) s.remove_prefix(1);
    while (!s.empty() && isSpace(s.back())) s.remove_suffix(1);
    return s;
}

// The reader compares names byte by byte ignoring ASCII case.
std::string folded(std::string_view s) {
    std::string result(s);
    for (char& c : result)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return result;
}

}  // namespace

Expected<void> checkPlaceFileText(std::string_view gbk) {
    std::set<std::pair<std::string, std::string>> seen;  // (section, key), folded
    std::string section;
    int lineNumber = 0, lost = 0;
    std::string first;
    auto lose = [&](std::string why) {
        if (++lost == 1) first = "line " + std::to_string(lineNumber) + " " + std::move(why);
    };
    while (!gbk.empty()) {
        const auto end = gbk.find('\n');
        std::string_view line = trimmed(gbk.substr(0, end));
        gbk.remove_prefix(end == std::string_view::npos ? gbk.size() : end + 1);
        ++lineNumber;
        if (line.empty() || line.front() == ';' || line.front() == '#') continue;
        std::string shown = "\"";  // appended: GCC 12 warns falsely on "\"" + std::string
        shown += text::gbkToUtf8Lenient(line);
        shown += '"';
        if (line.front() == '[') {
            const auto close = line.find(']');
            if (close == std::string_view::npos) {
                lose(shown + " opens a section without closing it with \"]\"");
                continue;
            }
            section = folded(trimmed(line.substr(1, close - 1)));
            continue;
        }
        const auto equals = line.find('=');
        if (equals == std::string_view::npos) {
            lose(shown + " has no \"=\"");
            continue;
        }
        const std::string_view key = trimmed(line.substr(0, equals));
        if (key.empty()) {
            lose(shown + " has no name before \"=\"");
            continue;
        }
        if (!seen.emplace(section, folded(key)).second) lose(shown + " repeats a name given earlier in its section");
    }
    if (lost == 0) return ok();
    std::string message = "dili.ini " + first;
    if (lost > 1) message += " (" + std::to_string(lost) + " such lines in all)";
    return fail(message + "; rewriting the file would drop it");
}

Expected<void> checkPlaceFile(const std::filesystem::path& path) {
    std::error_code missing;
    if (!std::filesystem::exists(std::filesystem::symlink_status(path, missing))) return ok();
    try {
        return checkPlaceFileText(files::readWholeFile(path, files::GbkIniFile::kMaxBytes));
    } catch (const files::FileError& error) {
        return fail(error.what());
    }
}

}  // namespace qimen::places
