// The history items of the 文件 menu over the case store.
#include "workflow/history.hpp"

namespace qimen::workflow {

namespace {

constexpr const char* kCaution = "注意了";

// "…，原有记录已备份到<folder>目录下。" after a clear or import, or "。" when
// there was nothing to keep.
std::string keptIn(const cases::CaseStore& store) {
    if (store.lastBackup().empty()) return "。";
    return "，原有记录已备份到" + store.lastBackup().string() + "目录下。";
}

}  // namespace

std::string backupNotice(const cases::CaseStore& store) {
    return "现有的记录和评注文件会先备份到" + store.backupRoot().string() + "下以当时日期时间命名的文件夹中。";
}

bool clearHistory(cases::CaseStore& store, Prompter& prompter) {
    if (!prompter.ask("这将清除所有历史记录，要继续吗？\n" + backupNotice(store), kCaution, Icon::Warning, false))
        return false;
    if (!prompter.ask("确定要清除吗？", kCaution, Icon::Warning, false)) return false;
    if (auto cleared = store.clear(); !cleared) {
        prompter.message("清除历史记录失败：" + cleared.message(), "错误", Icon::Error);
        return false;
    }
    std::string done = "清除完成" + keptIn(store);
    if (auto opened = store.open(); !opened) {
        prompter.message(done + "\n但未能建立新的记录库：" + opened.message(), "错误", Icon::Error);
        return true;
    }
    prompter.message(done, "", Icon::None);
    return true;
}

bool importHistory(cases::CaseStore& store, Prompter& prompter,
                   const std::function<std::optional<std::filesystem::path>()>& chooseFile) {
    if (!prompter.ask("执行此操作将覆盖现有的历史记录，要继续吗？\n" + backupNotice(store), kCaution, Icon::Warning,
                      false))
        return false;
    auto file = chooseFile();
    if (!file) return false;
    if (auto imported = store.importFrom(*file); !imported) {
        // Past the backup the store may be partly replaced: name the backup.
        std::string kept = store.lastBackup().empty() ? "" : "\n原有记录已备份到" + store.lastBackup().string() + "目录下。";
        prompter.message("导入历史记录失败：" + imported.message() + kept, "错误", Icon::Error);
        return !store.lastBackup().empty();
    }
    prompter.message("成功导入" + keptIn(store), "", Icon::None);
    return true;
}

bool exportHistory(cases::CaseStore& store, Prompter& prompter, const std::filesystem::path& folder) {
    if (auto exported = store.exportTo(folder); !exported) {
        prompter.message("导出历史记录失败：" + exported.message(), "错误", Icon::Error);
        return false;
    }
    prompter.message("成功导出，已保存到" + folder.string() + "目录下", "", Icon::None);
    return true;
}

}  // namespace qimen::workflow
