// The rows of the main window's case list.
#include "workflow/case_rows.hpp"

#include <algorithm>

namespace qimen::workflow {

CaseRow caseRowOf(std::int32_t number, const cases::CaseRecord& record) {
    CaseRow row;
    row.number = number;
    row.columns[kAskerColumn] = record.askerName;
    row.columns[kDateColumn] = cases::caseDateText(record);
    row.columns[kClassColumn] = record.className;
    row.columns[kMatterColumn] = record.matter;
    row.columns[kIdColumn] = std::to_string(number);
    return row;
}

Expected<void> CaseRows::fill(cases::CaseStore& store, const std::vector<std::int32_t>& numbers) {
    auto live = store.readLive(numbers);
    if (!live) return fail(live.message());
    std::vector<CaseRow> rows;
    rows.reserve(live->size());
    for (const auto& [n, image] : *live) rows.push_back(caseRowOf(n, cases::decodeCaseRecord(image)));
    rows_ = std::move(rows);
    return ok();
}

std::optional<std::size_t> CaseRows::find(std::int32_t number) const {
    auto it = std::find_if(rows_.begin(), rows_.end(), [&](const CaseRow& r) { return r.number == number; });
    if (it == rows_.end()) return std::nullopt;
    return static_cast<std::size_t>(it - rows_.begin());
}

void CaseRows::update(std::int32_t number, const cases::CaseRecord& record) {
    if (auto i = find(number)) rows_[*i] = caseRowOf(number, record);
}

void CaseRows::remove(std::int32_t number) {
    std::erase_if(rows_, [&](const CaseRow& r) { return r.number == number; });
}

}  // namespace qimen::workflow
