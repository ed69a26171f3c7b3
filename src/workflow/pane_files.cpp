// Loading and saving the output pane's files.
#include "workflow/pane_files.hpp"

#include "cases/rtf_reader.hpp"
#include "cases/rtf_writer.hpp"
#include "files/file_io.hpp"
#include "files/gbk_ini.hpp"
#include "text/gbk.hpp"

namespace qimen::workflow {
namespace {

// Lone LF and lone CR become CR LF, the pane's line end.
std::string withPaneLineEnds(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r') {
            out += "\r\n";
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else if (c == '\n') {
            out += "\r\n";
        } else {
            out += c;
        }
    }
    return out;
}

// GBK bytes of a text; a character without a GBK form becomes "?".
std::string gbkWithReplacement(const std::string& utf8) {
    try {
        return text::utf8ToGbk(utf8);
    } catch (const text::EncodingError&) {
    }
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        auto lead = static_cast<unsigned char>(utf8[i]);
        std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        length = std::min(length, utf8.size() - i);
        try {
            out += text::utf8ToGbk(std::string_view(utf8).substr(i, length));
        } catch (const text::EncodingError&) {
            out += '?';
        }
        i += length;
    }
    return out;
}

template <typename Body>
Expected<void> guarded(Body body) {
    try {
        body();
        return ok();
    } catch (const std::exception& e) {
        return fail(e.what());
    }
}

}  // namespace

cases::RichText plainRichText(const std::string& utf8, const PaneFont& font) {
    cases::RichText rich;
    rich.text = withPaneLineEnds(utf8);
    cases::TextStyle style;
    style.halfPoints = font.points * 2;
    if (!rich.text.empty() && style != cases::TextStyle{})
        rich.runs.push_back(cases::RichRun{0, rich.text.size(), style});
    return rich;
}

Expected<void> loadPaneFile(Pane& pane, const std::filesystem::path& path) {
    std::string bytes;
    if (auto read = guarded([&] { bytes = files::readWholeFile(path, kPaneFileMaxBytes); }); !read) return read;
    pane.clear();
    auto rich = cases::readRtf(bytes);
    if (rich.isRtf) {
        pane.setContent(rich.text);
        return ok();
    }
    // Plain text is GBK as this program writes it; a file saved as UTF-8 by
    // another editor is recognised and read as such.
    std::string utf8 = files::looksLikeUtf8(bytes) ? bytes : text::gbkToUtf8Lenient(bytes);
    pane.setContent(plainRichText(utf8, pane.font()));
    return ok();
}

Expected<void> savePaneRichText(const Pane& pane, const std::filesystem::path& path) {
    return guarded([&] { files::replaceFileAtomically(path, cases::writeRtf(pane.content(), pane.font().name)); });
}

Expected<void> savePanePlainText(const Pane& pane, const std::filesystem::path& path) {
    return guarded([&] { files::replaceFileAtomically(path, gbkWithReplacement(pane.plainText())); });
}

bool importPaneFile(Pane& pane, const std::filesystem::path& path, Prompter& prompter) {
    if (loadPaneFile(pane, path)) return true;
    prompter.message("导入文件出错,请重试一次", "重试一次", Icon::None);
    return false;
}

std::filesystem::path saveAsPath(const std::filesystem::path& chosen, SaveFormat format) {
    std::filesystem::path path = chosen;
    path += format == SaveFormat::RichText ? ".rtf" : ".txt";
    return path;
}

bool savePaneAs(const Pane& pane, const std::filesystem::path& chosen, SaveFormat format, Prompter& prompter) {
    std::filesystem::path path = saveAsPath(chosen, format);
    auto saved = format == SaveFormat::RichText ? savePaneRichText(pane, path) : savePanePlainText(pane, path);
    if (!saved) {
        prompter.message(saved.message(), "错误", Icon::Error);
        return false;
    }
    prompter.message("已保存！", "", Icon::None);
    return true;
}

}  // namespace qimen::workflow
