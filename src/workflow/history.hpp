// The history items of the 文件 menu (导入历史记录, 导出历史记录, 清除历史记录)
// over the case store. Clear and import keep the replaced store as a dated
// backup under the store's backupRoot() and say so in their questions; the
// window reloads its list when they answer true.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "cases/case_store.hpp"
#include "workflow/prompter.hpp"

namespace qimen::workflow {

// The line the clear and import questions end with, naming the folder the
// backup goes to.
std::string backupNotice(const cases::CaseStore& store);

// 清除历史记录: asks "这将清除所有历史记录，要继续吗？" (with the backup
// notice) and then "确定要清除吗？" (both "注意了", warning, No by default);
// after two Yes clears the store, makes a new empty one and names the backup
// folder. True when the store was cleared.
bool clearHistory(cases::CaseStore& store, Prompter& prompter);

// 导入历史记录: asks "执行此操作将覆盖现有的历史记录，要继续吗？" (with the
// backup notice; "注意了", warning, No by default), then lets the user choose
// the qimen0.dat of an exported store (nullopt: cancelled) and imports it. A
// source the store refuses is reported and nothing here changes. True when
// the store was replaced, even if only in part (a failure after the backup).
bool importHistory(cases::CaseStore& store, Prompter& prompter,
                   const std::function<std::optional<std::filesystem::path>()>& chooseFile);

// 导出历史记录 into the chosen folder: "成功导出，已保存到" + folder + "目录下"
// or the reason of the failure. True when everything was copied.
bool exportHistory(cases::CaseStore& store, Prompter& prompter, const std::filesystem::path& folder);

}  // namespace qimen::workflow
