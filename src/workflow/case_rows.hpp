// The rows of the main window's case list: the five column texts of a case,
// and the numbers listed, in the order the last fill, search, save, edit or
// delete left them. The window's list model only asks this.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "cases/case_record.hpp"
#include "cases/case_store.hpp"

namespace qimen::workflow {

// Column order of ListView1: 求测人, 日期, 类别, 占问事宜, ID.
enum CaseColumn { kAskerColumn = 0, kDateColumn, kClassColumn, kMatterColumn, kIdColumn, kCaseColumnCount };

struct CaseRow {
    std::int32_t number = 0;
    std::array<std::string, kCaseColumnCount> columns;
};

// The row of case `number`: askerName, the date text ("农闰2008-4-8",
// "公-120-3-5"), className, matter, the number in decimal.
CaseRow caseRowOf(std::int32_t number, const cases::CaseRecord& record);

// Cases listed at start-up: numbers 0 .. kFirstListedCases − 1.
inline constexpr std::int32_t kFirstListedCases = 300;

class CaseRows {
public:
    const std::vector<CaseRow>& rows() const { return rows_; }

    // Replaces the rows with the live cases among `numbers`, in that order;
    // numbers out of range or deleted are skipped. Fails (keeping the old
    // rows) only when the store cannot be read at all.
    Expected<void> fill(cases::CaseStore& store, const std::vector<std::int32_t>& numbers);

    void add(CaseRow row) { rows_.push_back(std::move(row)); }
    // Sets the columns of the row of case `number` when it is listed.
    void update(std::int32_t number, const cases::CaseRecord& record);
    void remove(std::int32_t number);
    std::optional<std::size_t> find(std::int32_t number) const;

private:
    std::vector<CaseRow> rows_;
};

}  // namespace qimen::workflow
