// The case dialogs as plain forms with their checks: the classification
// dialog of a new case (分类保存), the case dialog (事例信息) and the class
// editor (类别编辑). Each check speaks through the Prompter and answers
// whether the dialog may close.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "cases/case_record.hpp"
#include "workflow/prompter.hpp"

namespace qimen::workflow {

// Notes as a memo joins its lines: each line ended by CR LF (a lone LF
// becomes CR LF).
std::string joinedMemoLines(const std::string& text);

// 分类保存: the class (CboFenLei, editable, at most 13 bytes) and the notes
// (Memo1, at most 801 bytes, initially "备注:").
struct ClassificationForm {
    static constexpr std::size_t kNotesMax = 801;
    std::vector<std::string> classes;  // the class list; missing keys read "临时保存"
    std::string className;             // the first class when there is one
    std::string notes = "备注:";

    // The form as the dialog opens over the class list of the data root.
    static ClassificationForm open(const std::filesystem::path& dataRoot);

    // "确定": an empty class gives "类别名不能为空", empty notes "附加信息不能为空"
    // (caption "错误", error icon); true when the dialog may close.
    bool confirm(Prompter& prompter) const;
    // The notes as stored: memo lines joined, cut to the field.
    std::string storedNotes() const;
};

// 事例信息: a copy of the stored case and the controls that change it. Only
// the date, lunarInput, leapMonth, askerName, notes, className and matter
// change; place, coordinates and method stay as stored.
struct CaseEditForm {
    cases::CaseRecord record;          // the copy being edited
    std::vector<std::string> classes;  // CboFenLei items
    std::string className;             // CboFenLei text, at most 12 bytes
    std::string yearText;              // EdtYear
    int monthItem = 0, dayItem = 0, hourItem = 0, minuteItem = 0;
    bool lunar = false, leapMonth = false;
    std::string name;     // Edtname
    std::string matter;   // CboEvent
    std::string notes;    // Memo1 (at most 1000 bytes; joined lines are cut to fit)

    static CaseEditForm ofRecord(const cases::CaseRecord& record, std::vector<std::string> classes);

    // "保存": asks "确定要保存修改吗？", then checks name, year, notes, class and
    // matter in that order (each failure shown with its caption and icon, the
    // year one focusing EdtYear). True when all pass; `record` then holds
    // the edited case.
    bool save(Prompter& prompter);
};

// 类别编辑: "保存" checks the lines ("类别不能为空", "第i行类别名不合规定，不能加入。"
// as plain messages) and writes them as the class list. True when written
// (the dialog closes); a write failure is shown and keeps it open.
bool saveClassEditor(const std::filesystem::path& dataRoot, const std::vector<std::string>& lines,
                     Prompter& prompter);
// The editor's lines: keys 1 .. count, a missing key as the empty text.
std::vector<std::string> classEditorLines(const std::filesystem::path& dataRoot);

}  // namespace qimen::workflow
