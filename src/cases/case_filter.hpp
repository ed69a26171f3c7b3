// CaseFilter: the criteria of a filtered scan of the store (the case search
// and "显示全部事例"), matched against the raw GBK bytes of each slot.
#pragma once

#include <cstdint>
#include <string>

#include "cases/case_record.hpp"

namespace qimen::cases {

enum class TextMatch : std::uint8_t {
    Unused = 0,
    Contains = 1,  // the record's text contains the filter text as a byte sequence
    Equals = 2,    // the two texts are equal byte for byte
};

struct CaseFilter {
    std::string name;  // UTF-8; compared in GBK
    std::string className;
    std::string matter;
    std::int16_t yearFrom = 0;  // stored-form years, both ends included
    std::int16_t yearTo = 0;
    TextMatch nameMode = TextMatch::Unused;
    TextMatch classMode = TextMatch::Unused;
    TextMatch matterMode = TextMatch::Unused;
    bool yearRange = false;
};

// The filter with its texts in GBK, ready to test many slots.
class CompiledCaseFilter {
public:
    // Throws text::EncodingError when a filter text has no GBK form. The matter
    // criterion is dropped for stores of kind below 3, which keep no matter.
    CompiledCaseFilter(const CaseFilter& filter, std::uint8_t storeKind);

    // True when the slot image matches every used criterion (the deleted byte
    // is not looked at here).
    bool matches(const std::uint8_t* slot) const;

private:
    std::string name_, className_, matter_;
    TextMatch nameMode_, classMode_, matterMode_;
    bool yearRange_;
    std::int16_t yearFrom_, yearTo_;
};

}  // namespace qimen::cases
