// The rows of the main window's case list.
#include "workflow/case_rows.hpp"

#include <algorithm>
#include <span>

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

const CaseRow& CaseRows::row(std::size_t i) const {
    const std::int32_t n = numbers_[i];
    if (auto found = cache_.find(n); found != cache_.end()) return found->second;
    if (cache_.size() >= kCacheLimit) cache_.clear();
    const std::size_t first = i - i % kPage;
    std::span<const std::int32_t> page(numbers_.data() + first, std::min(kPage, numbers_.size() - first));
    if (auto live = store_.readLive(page))
        for (const auto& [number, image] : *live) cache_.emplace(number, caseRowOf(number, cases::decodeCaseRecord(image)));
    for (std::int32_t missing : page)
        if (!cache_.contains(missing)) {
            CaseRow blank;
            blank.number = missing;
            blank.columns[kIdColumn] = std::to_string(missing);
            cache_.emplace(missing, std::move(blank));
        }
    return cache_.at(n);
}

Expected<void> CaseRows::fill(const std::vector<std::int32_t>& numbers) {
    auto live = store_.readLive(numbers);
    if (!live) return fail(live.message());
    numbers_.clear();
    cache_.clear();
    for (const auto& [n, image] : *live) {
        numbers_.push_back(n);
        if (cache_.size() < kCacheLimit) cache_.emplace(n, caseRowOf(n, cases::decodeCaseRecord(image)));
    }
    return ok();
}

void CaseRows::showLive(std::vector<std::int32_t> numbers) {
    numbers_ = std::move(numbers);
    cache_.clear();
}

void CaseRows::add(CaseRow row) {
    numbers_.push_back(row.number);
    cache_.insert_or_assign(row.number, std::move(row));
}

std::optional<std::size_t> CaseRows::find(std::int32_t number) const {
    auto it = std::find(numbers_.begin(), numbers_.end(), number);
    if (it == numbers_.end()) return std::nullopt;
    return static_cast<std::size_t>(it - numbers_.begin());
}

void CaseRows::update(std::int32_t number, const cases::CaseRecord& record) {
    if (find(number)) cache_.insert_or_assign(number, caseRowOf(number, record));
}

void CaseRows::remove(std::int32_t number) {
    std::erase(numbers_, number);
    cache_.erase(number);
}

}  // namespace qimen::workflow
