// The logic of the window "编辑自定义奇门盘": the class list (CboClass), the
// texts of the seven grids' row 1, the four edits and the six check boxes,
// and what 新建, 保存, 删除 and 默认输入 do with dat/custom.dat, with every
// message and question. The window binds its controls to form() and
// classNames() and forwards each click; the grids' row-0 headings are the
// groups' default texts (custom/alias_groups.hpp).
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "base/expected.hpp"
#include "custom/custom_chart_file.hpp"
#include "workflow/custom_prompter.hpp"

namespace qimen::workflow {

// The window's caption, and the input box of 新建.
inline constexpr const char* kEditorCaption = "编辑自定义奇门盘";
inline constexpr const char* kNewClassCaption = "请输入新的类别名,最长为12个汉字";
inline constexpr const char* kNewClassPrompt = "新类名";

class CustomClassEditor {
public:
    // The editor of a custom.dat file (custom::CustomChartFile::pathIn).
    explicit CustomClassEditor(std::filesystem::path customFile);

    // On show: opens the file, lists the live classes; selects and loads
    // the first, or with no class runs loadDefaults (its question
    // included). A file that cannot be read is reported ("错误") and nothing
    // is loaded; a damaged one is reported and the classes that can be read
    // are listed.
    void show(CustomPrompter& prompter);

    // The user picked item `index` of CboClass: loads that class into the
    // form, or says "找不到这个类别!".
    void selectClass(int index, CustomPrompter& prompter);

    // 新建, with the input box's text (nullopt when it was cancelled). An
    // empty, blank or over-long name does nothing. Otherwise the form is
    // built into a slot image (the first bad alias stops it with its
    // group's message), the class added under the name, appended to the
    // list and selected: "增加新类别成功!".
    void createClass(const std::optional<std::string>& typedName, CustomPrompter& prompter);

    // 默认输入: unless the user answers No to "这将清除已输入信息,设置为默认值",
    // the form takes the default texts with every check box clear.
    void loadDefaults(CustomPrompter& prompter);

    // 保存: with a class selected, asks "确定输入信息正确,要保存吗", then
    // builds the image and updates the class: "完成修改!" or
    // "找不到这个类别,无法完成修改".
    void save(CustomPrompter& prompter);

    // 删除: with a class selected, asks to delete it (No by default), then
    // deletes it and drops it from the list: "已删除!" or
    // "删除失败,没有这个类别".
    void remove(CustomPrompter& prompter);

    // The form's texts as a slot image without a name; fails with the
    // message of the first group holding an alias the rule refuses.
    Expected<custom::CustomSlotImage> buildSlotImage() const;

    const std::vector<std::string>& classNames() const { return names_; }
    int selectedIndex() const { return selected_; }  // -1: none
    std::string selectedName() const;

    // Row 1 of the grids, the edits and the check boxes (its name unused).
    custom::CustomClass& form() { return form_; }
    const custom::CustomClass& form() const { return form_; }

private:
    // Reports a failure of the file in an error box; false when there was one.
    template <typename T>
    bool fileOk(const Expected<T>& result, CustomPrompter& prompter);

    custom::CustomChartFile file_;
    std::vector<std::string> names_;
    int selected_ = -1;
    custom::CustomClass form_;
};

}  // namespace qimen::workflow
