// The class editor's handlers.
#include "workflow/custom_class_editor.hpp"

#include "custom/alias_groups.hpp"
#include "workflow/custom_class_list.hpp"

namespace qimen::workflow {
namespace {

constexpr const char* kWarningCaption = "注意";

Prompt plain(std::string text) { return {std::move(text), "", PromptIcon::None}; }

}  // namespace

CustomClassEditor::CustomClassEditor(std::filesystem::path customFile) : file_(std::move(customFile)) {}

template <typename T>
bool CustomClassEditor::fileOk(const Expected<T>& result, CustomPrompter& prompter) {
    if (result) return true;
    prompter.message(fileErrorPrompt(result.message()));
    return false;
}

std::string CustomClassEditor::selectedName() const {
    if (selected_ < 0 || selected_ >= static_cast<int>(names_.size())) return {};
    return names_[static_cast<std::size_t>(selected_)];
}

void CustomClassEditor::show(CustomPrompter& prompter) {
    // A file that cannot be read leaves the form alone: there is nothing to
    // edit until the user mends it.
    auto names = openAndListClasses(file_, prompter);
    names_ = names.value_or(std::vector<std::string>{});
    selected_ = -1;
    if (!names) return;
    if (names_.empty())
        loadDefaults(prompter);
    else
        selectClass(0, prompter);
}

void CustomClassEditor::selectClass(int index, CustomPrompter& prompter) {
    if (index < 0 || index >= static_cast<int>(names_.size())) return;
    selected_ = index;
    auto found = file_.readClass(names_[static_cast<std::size_t>(index)]);
    if (!fileOk(found, prompter)) return;
    if (!*found) {
        prompter.message(plain("找不到这个类别!"));
        return;
    }
    form_ = **found;
}

Expected<custom::CustomSlotImage> CustomClassEditor::buildSlotImage() const {
    custom::CustomClass unnamed = form_;
    unnamed.name.clear();
    unnamed.slotNumber = 0;
    unnamed.deleted = false;
    return custom::encodeCustomClass(unnamed);
}

void CustomClassEditor::createClass(const std::optional<std::string>& typedName, CustomPrompter& prompter) {
    if (!typedName || !custom::isValidClassName(*typedName)) return;
    if (auto image = buildSlotImage(); !image) {
        prompter.message({image.message(), "输入错误", PromptIcon::Error});
        return;
    }
    custom::CustomClass named = form_;
    named.name = *typedName;
    named.slotNumber = 0;
    named.deleted = false;
    auto added = file_.addClass(named);
    if (!added && added.message() == custom::kDuplicateClassMessage) {
        prompter.message({added.message(), "提示", PromptIcon::Information});
        return;
    }
    if (!fileOk(added, prompter)) return;
    names_.push_back(*typedName);
    selected_ = static_cast<int>(names_.size()) - 1;
    prompter.message(plain("增加新类别成功!"));
}

void CustomClassEditor::loadDefaults(CustomPrompter& prompter) {
    if (!prompter.ask({"这将清除已输入信息,设置为默认值", kWarningCaption, PromptIcon::Warning}, true)) return;
    form_ = custom::defaultCustomClass();
}

void CustomClassEditor::save(CustomPrompter& prompter) {
    std::string name = selectedName();
    if (name.empty()) return;
    if (!prompter.ask({"确定输入信息正确,要保存吗", kWarningCaption, PromptIcon::Warning}, false)) return;
    if (auto image = buildSlotImage(); !image) {
        prompter.message({image.message(), "输入错误", PromptIcon::Error});
        return;
    }
    custom::CustomClass named = form_;
    named.name = name;
    named.slotNumber = 0;
    named.deleted = false;
    auto updated = file_.updateClass(name, named);
    if (!fileOk(updated, prompter)) return;
    prompter.message(plain(*updated ? "完成修改!" : "找不到这个类别,无法完成修改"));
}

void CustomClassEditor::remove(CustomPrompter& prompter) {
    std::string name = selectedName();
    if (name.empty()) return;
    if (!prompter.ask({"确定要删除\"" + name + "\"这个类别吗?", kWarningCaption, PromptIcon::Warning}, true)) return;
    auto deleted = file_.deleteClass(name);
    if (!fileOk(deleted, prompter)) return;
    if (!*deleted) {
        prompter.message(plain("删除失败,没有这个类别"));
        return;
    }
    names_.erase(names_.begin() + selected_);
    selected_ = -1;
    prompter.message(plain("已删除!"));
}

}  // namespace qimen::workflow
