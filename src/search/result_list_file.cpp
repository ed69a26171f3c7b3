// Saving the result list of a time search as a GBK text file.
#include "search/result_list_file.hpp"

#include "files/file_io.hpp"
#include "text/gbk.hpp"

namespace qimen::search {

Expected<void> saveResultList(const std::filesystem::path& path, const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    try {
        files::replaceFileAtomically(path, text::utf8ToGbk(text));
    } catch (const std::exception& error) {
        return fail(error.what());
    }
    return ok();
}

}  // namespace qimen::search
