// The rows of the main window's case list: the case numbers listed, in the
// order the last fill, search, save, edit or delete left them, and the five
// column texts of a row, read from the store only when a row is asked for
// (a page of rows at a time, kept in a bounded cache), so listing 100,000
// cases reads no slot twice and decodes only the rows on screen. The
// window's list model only asks this.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
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
    // Rows are read from `store`, which must outlive this.
    explicit CaseRows(cases::CaseStore& store) : store_(store) {}

    std::size_t size() const { return numbers_.size(); }
    std::int32_t number(std::size_t i) const { return numbers_[i]; }
    // Row i (i < size()), read with its page of neighbours on first use. A
    // case that can no longer be read (deleted or cut off since it was
    // listed) shows only its ID. The reference holds until the next call.
    const CaseRow& row(std::size_t i) const;

    // Replaces the rows with the live cases among `numbers`, in that order;
    // numbers out of range or deleted are skipped. Fails (keeping the old
    // rows) only when the store cannot be read at all.
    Expected<void> fill(const std::vector<std::int32_t>& numbers);
    // Replaces the rows with `numbers`, known to be live (a scan's result),
    // without reading them.
    void showLive(std::vector<std::int32_t> numbers);

    void add(CaseRow row);
    // Sets the columns of the row of case `number` when it is listed.
    void update(std::int32_t number, const cases::CaseRecord& record);
    void remove(std::int32_t number);
    std::optional<std::size_t> find(std::int32_t number) const;

private:
    // Rows read per store visit, and how many the cache keeps at most.
    static constexpr std::size_t kPage = 64;
    static constexpr std::size_t kCacheLimit = 4096;

    cases::CaseStore& store_;
    std::vector<std::int32_t> numbers_;
    mutable std::unordered_map<std::int32_t, CaseRow> cache_;
};

}  // namespace qimen::workflow
