// Shared fixture of the case store tests: a temporary data root with an open
// store, fast (not flushed) writes, and record helpers.
#pragma once

#include <gtest/gtest.h>

#include "../files/temp_data_root.hpp"
#include "cases/case_store.hpp"
#include "files/file_io.hpp"
#include "files/fixed_fields.hpp"

namespace qimen::cases::testing {

inline CaseRecord recordFor(int i, const std::string& name = "张三") {
    CaseRecord r;
    r.askerName = name;
    r.className = "求财";
    r.date = {static_cast<std::int16_t>(2000 + i % 10), 5, 6, 7, 8};
    r.matter = "事" + std::to_string(i);
    r.notes = "备注:" + std::to_string(i);
    r.placeName = "福建省-福州";
    r.longitude = 119.3f;
    r.latitude = 26.0833f;
    return r;
}

inline CaseRecordImage imageFor(int i, const std::string& name = "张三") { return *encodeCaseRecord(recordFor(i, name)); }

class StoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        files::setDurableWrites(false);
        auto opened = store.open();
        ASSERT_TRUE(opened) << opened.message();
    }
    void TearDown() override { files::setDurableWrites(true); }

    std::int32_t add(int i, const std::string& name = "张三") {
        auto n = store.append(imageFor(i, name));
        EXPECT_TRUE(n) << n.message();
        return n.valueOr(-1);
    }

    qimen::testing::TempDataRoot root;
    CaseStore store{root.path()};
};

}  // namespace qimen::cases::testing
