// The knowledge file format: headers, placeholders, line joining, and the
// errors that leave one entry out without hiding the others.
#include <gtest/gtest.h>

#include <array>

#include "knowledge/knowledge_store.hpp"

namespace {

using qimen::knowledge::KnowledgeSource;
using qimen::knowledge::KnowledgeStore;

KnowledgeStore parse(std::string_view content) {
    std::array<KnowledgeSource, 1> sources{{{"test.txt", content}}};
    return KnowledgeStore(sources);
}

TEST(KnowledgeStore, EntriesJoinTheirLinesWithCrLfAndDropOuterBlankLines) {
    auto store = parse(
        "# a comment before the entries\n"
        "\n"
        "@2302 癸加乙\n"
        "\n"
        "第一行  \n"
        "\n"
        "第三行\r\n"
        "\n"
        "\n"
        "@2303 癸加丙\n"
        "一行\n");
    EXPECT_TRUE(store.errors().empty());
    EXPECT_EQ(store.text(2302), "第一行\r\n\r\n第三行");
    EXPECT_EQ(store.text(2303), "一行");
    EXPECT_EQ(store.ids(), (std::vector<std::uint16_t>{2302, 2303}));
}

TEST(KnowledgeStore, PlaceholderReadsAsOneSpaceAndMissingIdsAsEmpty) {
    auto store = parse("@2301 placeholder 癸加甲\n\n@2559 placeholder\n");
    EXPECT_TRUE(store.errors().empty());
    EXPECT_EQ(store.text(2301), " ");
    EXPECT_EQ(store.text(2559), " ");
    EXPECT_EQ(store.text(2300), "");
    EXPECT_EQ(store.text(65535), "");
}

TEST(KnowledgeStore, CommentLinesInsideAnEntryAreNotText) {
    auto store = parse("@2900 placeholder\n# why: the name says it all\n@2906 x\n甲\n# note\n乙\n");
    EXPECT_TRUE(store.errors().empty());
    EXPECT_EQ(store.text(2906), "甲\r\n乙");
}

struct BrokenCase {
    const char* name;
    const char* content;
    int errorLine;
};

class KnowledgeStoreBroken : public ::testing::TestWithParam<BrokenCase> {};

TEST_P(KnowledgeStoreBroken, ReportsTheLineAndKeepsTheGoodEntry) {
    auto store = parse(GetParam().content);
    ASSERT_EQ(store.errors().size(), 1u) << GetParam().name;
    EXPECT_EQ(store.errors()[0].line, GetParam().errorLine);
    EXPECT_EQ(store.errors()[0].file, "test.txt");
    EXPECT_EQ(store.text(3000), "好");
}

INSTANTIATE_TEST_SUITE_P(
    Defects, KnowledgeStoreBroken,
    ::testing::Values(BrokenCase{"TextBeforeHeader", "无头\n@3000 a\n好\n", 1},
                      BrokenCase{"IdNotANumber", "@3000 a\n好\n@30x1 b\n坏\n", 3},
                      BrokenCase{"IdTooLarge", "@3000 a\n好\n@4096 b\n坏\n", 3},
                      BrokenCase{"IdRepeated", "@3000 a\n好\n@3000 b\n坏\n", 3},
                      BrokenCase{"EntryWithoutText", "@3001 a\n\n@3000 b\n好\n", 1},
                      BrokenCase{"PlaceholderWithText", "@3001 placeholder\n坏\n@3000 b\n好\n", 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(KnowledgeStore, PlaceholderWordMustStandAlone) {
    // "placeholders" is an ordinary label, so the entry needs text.
    auto store = parse("@3001 placeholders\n@3000 b\n好\n");
    ASSERT_EQ(store.errors().size(), 1u);
    EXPECT_EQ(store.text(3001), "");
}

}  // namespace
