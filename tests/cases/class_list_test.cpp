// The case classes in dat/qminit.ini and the class editor's line rules.
#include <gtest/gtest.h>

#include "../files/temp_data_root.hpp"
#include "cases/class_list.hpp"
#include "text/gbk.hpp"

namespace qimen::cases {
namespace {

using qimen::testing::TempDataRoot;
using qimen::testing::writeBytes;

TEST(ClassList, MissingFileHasNoClasses) {
    TempDataRoot root;
    auto read = readClassList(root.path(), MissingClass::AsTemporary);
    ASSERT_TRUE(read) << read.message();
    EXPECT_TRUE(read->empty());
}

TEST(ClassList, MissingKeyReadsPerDialog) {
    TempDataRoot root;
    writeBytes(root.dat() / "qminit.ini", text::utf8ToGbk("[classes]\r\ncount=3\r\n1=求财\r\n3=婚姻\r\n"));
    EXPECT_EQ(*readClassList(root.path(), MissingClass::AsTemporary),
              (std::vector<std::string>{"求财", "临时保存", "婚姻"}));
    EXPECT_EQ(*readClassList(root.path(), MissingClass::AsEmpty), (std::vector<std::string>{"求财", "", "婚姻"}));
}

TEST(ClassList, NegativeOrAbsurdCountIsBounded) {
    TempDataRoot root;
    writeBytes(root.dat() / "qminit.ini", "[classes]\r\ncount=-4\r\n");
    EXPECT_TRUE(readClassList(root.path(), MissingClass::AsEmpty)->empty());
    writeBytes(root.dat() / "qminit.ini", "[classes]\r\ncount=2000000000\r\n");
    EXPECT_EQ(readClassList(root.path(), MissingClass::AsEmpty)->size(), 10000u);
}

struct LinesCase {
    std::vector<std::string> lines;
    const char* message;  // "" when accepted
};

class ClassLines : public ::testing::TestWithParam<LinesCase> {};

TEST_P(ClassLines, FirstBadLineIsNamed) {
    EXPECT_EQ(checkClassLines(GetParam().lines).message(), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    EditorRules, ClassLines,
    ::testing::Values(LinesCase{{}, "类别不能为空"}, LinesCase{{"六个汉字类别"}, ""},
                      LinesCase{{"求财", "七个汉字的类别"}, "第2行类别名不合规定，不能加入。"},
                      LinesCase{{"求财", "", "婚姻"}, "第2行类别名不合规定，不能加入。"},
                      LinesCase{{"abcdefghijkl"}, ""}, LinesCase{{"abcdefghijklm"}, "第1行类别名不合规定，不能加入。"},
                      LinesCase{{"😀"}, "第1行类别名不合规定，不能加入。"}));

TEST(ClassList, WriteKeepsOtherSectionsAndLeavesHigherKeys) {
    TempDataRoot root;
    writeBytes(root.dat() / "qminit.ini", text::utf8ToGbk("[winpos]\r\nleft=33\r\n[classes]\r\ncount=3\r\n1=a\r\n2=b\r\n3=c\r\n"));
    EXPECT_TRUE(writeClassList(root.path(), {"求财", "婚姻"}));
    auto names = *readClassList(root.path(), MissingClass::AsEmpty);
    EXPECT_EQ(names, (std::vector<std::string>{"求财", "婚姻"}));
    auto bytes = qimen::testing::readText(root.dat() / "qminit.ini");
    EXPECT_NE(bytes.find("left=33\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("3=c\r\n"), std::string::npos);
    EXPECT_NE(bytes.find(text::utf8ToGbk("1=求财")), std::string::npos);  // GBK on disk
}

TEST(ClassList, RefusedLinesWriteNothing) {
    TempDataRoot root;
    writeBytes(root.dat() / "qminit.ini", "[classes]\r\ncount=1\r\n1=a\r\n");
    auto before = qimen::testing::readText(root.dat() / "qminit.ini");
    EXPECT_EQ(writeClassList(root.path(), {"ok", ""}).message(), "第2行类别名不合规定，不能加入。");
    EXPECT_EQ(qimen::testing::readText(root.dat() / "qminit.ini"), before);
}

}  // namespace
}  // namespace qimen::cases
