// Files in and out of the output pane: a commentary or imported file loaded
// as rich text, or as plain GBK text in the pane's default attributes; the
// pane saved as rich text (GBK RTF) or plain GBK text; and the pane's menu
// operations 导入文本文件 and 另存为 with their messages.
#pragma once

#include <filesystem>
#include <string>

#include "base/expected.hpp"
#include "cases/rich_text.hpp"
#include "workflow/pane.hpp"
#include "workflow/prompter.hpp"

namespace qimen::workflow {

// Largest file the pane loads; a bigger one is refused.
inline constexpr std::uintmax_t kPaneFileMaxBytes = 64u << 20;

// Plain text in the default attributes of a pane with font `font`: black,
// no style, the pane's size (CR LF line ends).
cases::RichText plainRichText(const std::string& utf8, const PaneFont& font);

// Clears the pane and loads the file: rich text keeps its formatting, any
// other file is read as GBK plain text in the default attributes. Fails
// with the reason (missing, unreadable, too large); the pane may then be
// empty.
Expected<void> loadPaneFile(Pane& pane, const std::filesystem::path& path);

// Writes the pane as rich text (GBK RTF in the pane's font), replacing the
// file whole or not at all.
Expected<void> savePaneRichText(const Pane& pane, const std::filesystem::path& path);
// Writes the pane's text alone in GBK (characters without a GBK form become
// "?").
Expected<void> savePanePlainText(const Pane& pane, const std::filesystem::path& path);

// 导入文本文件 with the chosen file: a failure shows "导入文件出错,请重试一次"
// (caption "重试一次", no icon). True when loaded.
bool importPaneFile(Pane& pane, const std::filesystem::path& path, Prompter& prompter);

// The save dialog's filter entries: 0 "Rtf格式|*.rtf", 1 "Txt格式|*.txt".
enum class SaveFormat { RichText = 0, PlainText = 1 };
// The name 另存为 writes: the chosen name with the entry's extension
// appended as it is ("a.rtf" saved as rich text becomes "a.rtf.rtf").
std::filesystem::path saveAsPath(const std::filesystem::path& chosen, SaveFormat format);
// 另存为 with the chosen name and filter entry: writes the file and shows
// "已保存！" (a plain message), or the reason of a failure (caption "错误").
bool savePaneAs(const Pane& pane, const std::filesystem::path& chosen, SaveFormat format, Prompter& prompter);

}  // namespace qimen::workflow
