// A case record for the window tests' stores: the given asker and stored
// year, class 求财, matter 生意, an hour chart of 4-8 10:30.
#pragma once

#include <cstdint>

#include "cases/case_record.hpp"

namespace qimen::app::testing {

inline cases::CaseRecord sampleCase(const char* name, std::int16_t storedYear) {
    cases::CaseRecord record;
    record.askerName = name;
    record.className = "求财";
    record.date = {storedYear, 4, 8, 10, 30};
    record.notes = "备注:\r\n";
    record.matter = "生意";
    record.placeName = "北京-北京";
    record.method = 1;
    return record;
}

}  // namespace qimen::app::testing
