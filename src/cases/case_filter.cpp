// Matching of slot images against a case filter.
#include "cases/case_filter.hpp"

#include <span>

#include "files/fixed_fields.hpp"
#include "text/gbk.hpp"

namespace qimen::cases {
namespace {

bool textMatches(TextMatch mode, std::string_view wanted, std::string_view actual) {
    switch (mode) {
    case TextMatch::Unused: return true;
    case TextMatch::Contains: return actual.find(wanted) != std::string_view::npos;
    case TextMatch::Equals: return actual == wanted;
    }
    return false;  // a mode outside the three never holds
}

}  // namespace

CompiledCaseFilter::CompiledCaseFilter(const CaseFilter& filter, std::uint8_t storeKind)
    : name_(text::utf8ToGbk(filter.name)),
      className_(text::utf8ToGbk(filter.className)),
      matter_(text::utf8ToGbk(filter.matter)),
      nameMode_(filter.nameMode),
      classMode_(filter.classMode),
      matterMode_(storeKind < 3 ? TextMatch::Unused : filter.matterMode),
      yearRange_(filter.yearRange),
      yearFrom_(filter.yearFrom),
      yearTo_(filter.yearTo) {}

bool CompiledCaseFilter::matches(const std::uint8_t* slot) const {
    std::span<const std::uint8_t> bytes(slot, kCaseRecordSize);
    if (!textMatches(nameMode_, name_, files::cellBytes(bytes, field::kAskerName, 12))) return false;
    if (!textMatches(classMode_, className_, files::cellBytes(bytes, field::kClassName, 15))) return false;
    if (!textMatches(matterMode_, matter_, files::cellBytes(bytes, field::kMatter, 42))) return false;
    if (yearRange_) {
        auto year = files::readLittleEndian<std::int16_t>(bytes, field::kYear);
        if (year < yearFrom_ || year > yearTo_) return false;
    }
    return true;
}

}  // namespace qimen::cases
