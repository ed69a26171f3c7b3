// The saved result list: GBK lines with CR LF, written whole, and a clear
// failure where the file cannot be written.
#include <gtest/gtest.h>

#include "../files/temp_data_root.hpp"
#include "files/file_io.hpp"
#include "search/result_list_file.hpp"
#include "text/gbk.hpp"

namespace {

TEST(ResultListFile, WritesEachLineInGbkWithCrLf) {
    qimen::testing::TempDataRoot root;
    auto path = root.path() / "结果.txt";
    ASSERT_TRUE(qimen::search::saveResultList(path, {"1:2008-05-03 00:30", "2:2008-05-03 02:30"}));
    EXPECT_EQ(qimen::files::readWholeFile(path, 1 << 20), "1:2008-05-03 00:30\r\n2:2008-05-03 02:30\r\n");
}

TEST(ResultListFile, AFolderThatDoesNotExistFailsWithItsName) {
    qimen::testing::TempDataRoot root;
    auto saved = qimen::search::saveResultList(root.path() / "missing" / "a.txt", {"1:2008-05-03 00:30"});
    ASSERT_FALSE(saved);
    EXPECT_NE(saved.message().find("missing"), std::string::npos) << saved.message();
}

}  // namespace
