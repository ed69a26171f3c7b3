// The checks of the case dialogs: classification, case information, class
// editor.
#include "workflow/case_forms.hpp"

#include <memory>

#include "cases/class_list.hpp"
#include "chart/chart_record.hpp"
#include "text/number_text.hpp"
#include "workflow/chart_driver.hpp"
#include "workflow/input_lists.hpp"

namespace qimen::workflow {
namespace {

constexpr std::string_view kError = "错误";

// Memo lines joined and cut at a character boundary to `maxBytes`; a line
// end cut in half is dropped whole.
std::string storedMemoText(const std::string& text, std::size_t maxBytes) {
    std::string joined = joinedMemoLines(text);
    std::string cut = chart::clipToGbkBytes(joined, maxBytes);
    if (cut.size() < joined.size() && !cut.empty() && cut.back() == '\r') cut.pop_back();
    return cut;
}

}  // namespace

std::string joinedMemoLines(const std::string& text) {
    std::string joined;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        std::size_t next = end == std::string::npos ? text.size() : end + 1;
        if (end == std::string::npos) end = text.size();
        std::size_t lineEnd = end > start && text[end - 1] == '\r' ? end - 1 : end;
        joined.append(text, start, lineEnd - start);
        joined += "\r\n";
        start = next;
    }
    return joined;
}

ClassificationForm ClassificationForm::open(const std::filesystem::path& dataRoot) {
    ClassificationForm form;
    form.classes = cases::readClassList(dataRoot, cases::MissingClass::AsTemporary).valueOr({});
    if (!form.classes.empty()) form.className = form.classes.front();
    return form;
}

bool ClassificationForm::confirm(Prompter& prompter) const {
    if (text::isBlank(className)) {
        prompter.message("类别名不能为空", kError, Icon::Error);
        return false;
    }
    if (text::isBlank(notes)) {
        prompter.message("附加信息不能为空", kError, Icon::Error);
        return false;
    }
    return true;
}

std::string ClassificationForm::storedNotes() const {
    return storedMemoText(chart::clipToGbkBytes(notes, kNotesMax), cases::kNotesMax);
}

CaseEditForm CaseEditForm::ofRecord(const cases::CaseRecord& record, std::vector<std::string> classes) {
    CaseEditForm form;
    form.record = record;
    form.classes = std::move(classes);
    form.className = record.className;
    form.yearText = yearTextOfStored(record.date.year);
    form.monthItem = record.date.month - 1;
    form.dayItem = record.date.day - 1;
    form.hourItem = record.date.hour;
    form.minuteItem = record.date.minute;
    form.lunar = record.lunarInput;
    form.leapMonth = record.leapMonth;
    form.name = record.askerName;
    form.matter = record.matter;
    form.notes = record.notes;
    return form;
}

bool CaseEditForm::save(Prompter& prompter) {
    if (!prompter.ask("确定要保存修改吗？", "提示", Icon::Information, true)) return false;
    if (text::isBlank(name)) {
        prompter.message("姓名不能为空", "提示", Icon::Information);
        return false;
    }
    auto year = storedYearOfText(yearText);
    if (!year) {
        prompter.message(year.message(), kYearCaption, Icon::Warning);
        prompter.focus("EdtYear");
        return false;
    }
    record.date = calendar::CivilDateTime{*year, static_cast<std::int16_t>(monthItem + 1),
                                          static_cast<std::int16_t>(dayItem + 1), static_cast<std::int16_t>(hourItem),
                                          static_cast<std::int16_t>(minuteItem)};
    record.lunarInput = lunar;
    record.leapMonth = leapMonth;
    record.askerName = chart::clipToGbkBytes(name, cases::kAskerNameMax);
    // The moment must be one a chart can be laid for, as when the case was
    // saved: a lunar day or leap month that does not exist is refused with
    // the chart's own message.
    {
        chart::ChartRequest request;
        request.inputDate = record.date;
        request.lunarInput = lunar;
        request.leapMonth = leapMonth;
        request.longitude = record.longitude;
        auto probe = std::make_unique<chart::ChartRecord>();
        probe->setRequest(request);
        if (auto chartable = validateAndConvertMoment(*probe); !chartable) {
            prompter.message(chartable.message(), kYearCaption, Icon::Warning);
            return false;
        }
    }
    if (text::isBlank(notes)) {
        prompter.message("附加信息不能为空", kError, Icon::Error);
        return false;
    }
    if (text::isBlank(className)) {
        prompter.message("类别不能为空", kError, Icon::Error);
        return false;
    }
    if (text::isBlank(matter)) {
        prompter.message("占问事宜不能为空", kError, Icon::Error);
        return false;
    }
    // The memo holds 1000 bytes and its joined lines end in a line break,
    // one byte more than the field keeps: the text is cut at the last whole
    // character that fits.
    record.notes = storedMemoText(notes, cases::kNotesMax);
    record.className = chart::clipToGbkBytes(className, cases::kClassListNameMax);
    record.matter = chart::clipToGbkBytes(matter, cases::kMatterMax);
    return true;
}

bool saveClassEditor(const std::filesystem::path& dataRoot, const std::vector<std::string>& lines,
                     Prompter& prompter) {
    if (auto checked = cases::checkClassLines(lines); !checked) {
        prompter.message(checked.message(), "", Icon::None);
        return false;
    }
    if (auto written = cases::writeClassList(dataRoot, lines); !written) {
        prompter.message(written.message(), kError, Icon::Error);
        return false;
    }
    return true;
}

std::vector<std::string> classEditorLines(const std::filesystem::path& dataRoot) {
    return cases::readClassList(dataRoot, cases::MissingClass::AsEmpty).valueOr({});
}

}  // namespace qimen::workflow
