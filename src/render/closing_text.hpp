// The closing text (命稿尾部信息): the user's fixed lines appended to every
// chart when the setting endinfo is on, kept GBK in dat/EndInfo.txt, and the
// load and save steps of the dialog that edits it.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "base/expected.hpp"
#include "chart/chart_record.hpp"

namespace qimen::render {

// dat/EndInfo.txt under a data root.
std::filesystem::path closingTextPath(const std::filesystem::path& dataRoot);

// The lines of a text split at CR LF, LF or CR; a line break at the very end
// starts no further line, so "a\r\nb\r\n" and "a\r\nb" are both two lines and
// "" none.
std::vector<std::string> splitLines(std::string_view text);

// The lines of the closing text file, UTF-8 (bytes that are not valid GBK
// read as U+FFFD). A missing or unreadable file gives no lines.
std::vector<std::string> readClosingTextLines(const std::filesystem::path& dataRoot);

// Appends each line of the closing text followed by "\r\n" to chartText.
// The caller decides by the setting endinfo; a missing file adds nothing
// and is no error.
void appendClosingText(chart::ChartRecord& record, const std::filesystem::path& dataRoot);

// What the dialog shows: the file's text (its lines joined by "\r\n", empty
// when there is no file) and the setting endinfo of dat/set.ini.
struct ClosingTextState {
    std::string text;
    bool append = false;
};
ClosingTextState loadClosingText(const std::filesystem::path& dataRoot);

// The dialog's 确定: an empty text is refused with "输入不能为空" and nothing
// is written. Otherwise writes the lines of `text` (UTF-8), each followed by
// CR LF, as GBK to dat/EndInfo.txt (created or replaced whole), then the
// setting endinfo = `append`. Fails with a message, writing nothing, when
// the text has a character without a GBK form; fails when a file cannot be
// written. The window shows a failure with the caption "信息".
Expected<void> saveClosingText(const std::filesystem::path& dataRoot, std::string_view text, bool append);

}  // namespace qimen::render
