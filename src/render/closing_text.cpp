// The closing text file and its dialog steps.
#include "render/closing_text.hpp"

#include <system_error>

#include "chart/chart_settings.hpp"
#include "files/data_root.hpp"
#include "files/file_io.hpp"
#include "text/gbk.hpp"

namespace qimen::render {
namespace {

// The file has no length limit of its own; this only keeps a hostile file
// from exhausting memory.
constexpr std::uint64_t kMaxClosingTextBytes = 64u << 20;

}  // namespace

std::filesystem::path closingTextPath(const std::filesystem::path& dataRoot) {
    return files::datDirectory(dataRoot) / "EndInfo.txt";
}

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
    }
    return lines;
}

std::vector<std::string> readClosingTextLines(const std::filesystem::path& dataRoot) {
    std::filesystem::path path = closingTextPath(dataRoot);
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return {};
    try {
        return splitLines(text::gbkToUtf8Lenient(files::readWholeFile(path, kMaxClosingTextBytes)));
    } catch (const files::FileError&) {
        return {};
    }
}

void appendClosingText(chart::ChartRecord& record, const std::filesystem::path& dataRoot) {
    for (const std::string& line : readClosingTextLines(dataRoot)) {
        record.chartText += line;
        record.chartText += "\r\n";
    }
}

ClosingTextState loadClosingText(const std::filesystem::path& dataRoot) {
    ClosingTextState state;
    std::vector<std::string> lines = readClosingTextLines(dataRoot);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) state.text += "\r\n";
        state.text += lines[i];
    }
    state.append = chart::loadChartSettings(chart::chartSettingsPath(dataRoot)).endinfo;
    return state;
}

Expected<void> saveClosingText(const std::filesystem::path& dataRoot, std::string_view text, bool append) {
    if (text.empty()) return fail("输入不能为空");
    std::string content;
    for (const std::string& line : splitLines(text)) {
        content += line;
        content += "\r\n";
    }
    std::string gbk;
    try {
        gbk = text::utf8ToGbk(content);
    } catch (const text::EncodingError& error) {
        return fail(std::string("尾部信息含有不能保存的字符: ") + error.what());
    }
    try {
        std::filesystem::create_directories(files::datDirectory(dataRoot));
        files::replaceFileAtomically(closingTextPath(dataRoot), gbk);
    } catch (const std::exception& error) {
        return fail(error.what());
    }
    if (!chart::writeEndInfoSetting(chart::chartSettingsPath(dataRoot), append))
        return fail("不能写入设置文件 " + chart::chartSettingsPath(dataRoot).string());
    return ok();
}

}  // namespace qimen::render
