// The main window's case operations: save (a new case through the
// classification dialog, or the viewed case rewritten), edit, delete and
// list all.
#include <cstdio>

#include "calendar/civil_date_time.hpp"
#include "cases/class_list.hpp"
#include "cases/rtf_writer.hpp"
#include "workflow/case_search_form.hpp"
#include "workflow/consultation.hpp"
#include "workflow/pane_files.hpp"

namespace qimen::workflow {
namespace {

constexpr std::string_view kTip = "提示";

// The confirmation before the viewed case is rewritten:
// 确定要修改，“张三-公2008-8-8”，这条记录吗？
std::string rewriteQuestion(const cases::CaseRecord& r) {
    return "确定要修改，“" + r.askerName + "-" + cases::caseDateText(r) + "”，这条记录吗？";
}

}  // namespace

Expected<void> Consultation::writeCommentary(const std::filesystem::path& path) {
    auto written = savePaneRichText(pane_, path);
    if (written) pane_.setModified(false);
    return written;
}

bool Consultation::save() {
    if (!chartValid_) {
        prompter_.message("请先排一个正确的盘后再保存", kTip, Icon::Information);
        return false;
    }
    return state_ == CaseState::Viewing ? saveViewed() : saveNew();
}

bool Consultation::saveViewed() {
    if (!prompter_.ask(rewriteQuestion(currentCase_), kTip, Icon::Information, true)) return false;
    auto image = cases::encodeCaseRecord(currentCase_);
    if (!image) {
        prompter_.message(image.message(), "错误", Icon::Error);
        return false;
    }
    // The commentary goes first, so a damaged store, whose slots refuse the
    // update, must be caught before it.
    if (auto sound = store_.check(); !sound) {
        prompter_.message(sound.message(), "错误", Icon::Error);
        return false;
    }
    if (auto written = writeCommentary(casePath_); !written) {
        prompter_.message(written.message(), "错误", Icon::Error);
        return false;
    }
    if (auto updated = store_.update(viewedCase_, *image); !updated) {
        prompter_.message(updated.message(), "错误", Icon::Error);
        return false;
    }
    rows_.update(viewedCase_, currentCase_);
    prompter_.message("已保存编辑后的文本。", "", Icon::None);
    return true;
}

bool Consultation::saveNew() {
    ClassificationForm form = ClassificationForm::open(services_.dataRoot);
    if (!services_.classify || !services_.classify(form)) return false;
    currentCase_.className = chart::clipToGbkBytes(form.className, cases::kClassNameMax);
    currentCase_.notes = form.storedNotes();
    auto image = cases::encodeCaseRecord(currentCase_);
    if (!image) {
        prompter_.message(image.message(), "错误", Icon::Error);
        return false;
    }
    // The store writes the commentary under its lock before the record turns
    // live, so no other writer can take the slot in between and a kill never
    // leaves a live case without its file.
    auto appended = store_.append(*image, cases::writeRtf(pane_.content(), pane_.font().name));
    if (!appended) {
        prompter_.message(appended.message(), "错误", Icon::Error);
        return false;
    }
    std::int32_t n = *appended;
    currentCase_.caseNumber = n;
    rows_.add(caseRowOf(n, currentCase_));
    // The record is whole and listed even when its commentary cannot be
    // written; the user is told which case lacks it.
    if (!store_.lastWarning().empty())
        prompter_.message("事例" + std::to_string(n) + "已保存，但评注文件未能写入：" + store_.lastWarning(), "错误",
                          Icon::Error);
    else
        pane_.setModified(false);
    return true;
}

bool Consultation::editCase(std::optional<std::int32_t> selected,
                            const std::function<bool(CaseEditForm&)>& showDialog) {
    auto chosen = selectedCase(selected);
    if (!chosen) return false;
    std::int32_t n = *selected;
    auto classes = cases::readClassList(services_.dataRoot, cases::MissingClass::AsTemporary);
    CaseEditForm form = CaseEditForm::ofRecord(*chosen, classes.valueOr({}));
    if (!showDialog || !showDialog(form)) return false;
    auto edited = cases::encodeCaseRecord(form.record);
    if (!edited) {
        prompter_.message(edited.message(), "错误", Icon::Error);
        return false;
    }
    if (auto updated = store_.update(n, *edited); !updated) {
        prompter_.message(updated.message(), "错误", Icon::Error);
        return false;
    }
    rows_.update(n, form.record);
    // A later save of the viewed case writes currentCase back; it must carry
    // the edit rather than undo it.
    if (state_ == CaseState::Viewing && viewedCase_ == n) currentCase_ = form.record;
    return true;
}

bool Consultation::deleteCase(std::optional<std::int32_t> selected) {
    auto chosen = selectedCase(selected);
    if (!chosen) return false;
    std::int32_t n = *selected;
    // The row's caption is the case's askerName.
    if (!prompter_.ask("确定要删除\"" + chosen->askerName + "\"这个事例吗？", "注意", Icon::Warning, false))
        return false;
    bool viewed = state_ == CaseState::Viewing && viewedCase_ == n;
    if (viewed && !prompter_.ask("确定要删除当前正在查看的事例吗？", kTip, Icon::Warning, false)) return false;
    // The slot is marked first and the commentary removed under the same
    // lock: when marking fails, the case and its commentary both stay, and an
    // add that reuses the slot at once cannot lose its new file.
    if (auto deleted = store_.deleteCase(n); !deleted) {
        prompter_.message(deleted.message(), "错误", Icon::Error);
        return false;
    }
    if (viewed) {
        pane_.clear();
        pane_.setModified(false);
        enterNewState();
    }
    rows_.remove(n);
    return true;
}

void Consultation::listAll() {
    if (auto found = scanCasesToList(store_, {}, prompter_)) rows_.showLive(std::move(*found));
}

void Consultation::listCases(const std::vector<std::int32_t>& numbers) {
    rows_.showLive(numbers);
}

}  // namespace qimen::workflow
