// Case classes in dat/qminit.ini.
#include "cases/class_list.hpp"

#include <algorithm>

#include "files/fixed_fields.hpp"
#include "files/gbk_ini.hpp"
#include "files/window_settings.hpp"
#include "text/gbk.hpp"
#include "text/number_text.hpp"

namespace qimen::cases {
namespace {

constexpr const char* kSection = "classes";
constexpr long kMaxClassCount = 10000;

}  // namespace

Expected<std::vector<std::string>> readClassList(const std::filesystem::path& root, MissingClass missing) {
    files::GbkIniFile ini;
    if (auto loaded = ini.load(files::windowSettingsPath(root)); !loaded) return fail(loaded.message());
    std::vector<std::string> names;
    long count = std::clamp(ini.integer(kSection, "count", 0), 0L, kMaxClassCount);
    for (long i = 1; i <= count; ++i) {
        auto name = ini.value(kSection, std::to_string(i));
        names.push_back(name ? *name : missing == MissingClass::AsTemporary ? kMissingClassName : "");
    }
    return names;
}

Expected<void> checkClassLines(const std::vector<std::string>& lines) {
    if (lines.empty()) return fail("类别不能为空");
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto& line = lines[i];
        bool fits = !text::isBlank(line) && text::isGbkEncodable(line) && text::gbkLength(line) <= kClassListNameMax &&
                    line.find_first_of("\r\n") == std::string::npos;
        if (!fits) return fail("第" + std::to_string(i + 1) + "行类别名不合规定，不能加入。");
    }
    return ok();
}

Expected<void> writeClassList(const std::filesystem::path& root, const std::vector<std::string>& lines) {
    if (auto checked = checkClassLines(lines); !checked) return checked;
    return files::changeIniFile(files::windowSettingsPath(root), [&](files::GbkIniFile& ini) -> Expected<void> {
        for (std::size_t i = 0; i < lines.size(); ++i) ini.setText(kSection, std::to_string(i + 1), lines[i]);
        ini.setInteger(kSection, "count", static_cast<long>(lines.size()));
        return ok();
    });
}

}  // namespace qimen::cases
