// The rule file: the one compiled in reads without a fault, and a damaged
// file is refused as a whole with the line of its fault.
#include <gtest/gtest.h>

#include <algorithm>

#include "judgement/rule_book.hpp"

namespace qimen::judgement {
namespace {

int lineCount(std::string_view text) { return static_cast<int>(std::count(text.begin(), text.end(), '\n')); }

TEST(RuleFile, TheBuiltInFileReadsWithoutAFault) {
    const Expected<RuleBook>& book = builtInRules();
    ASSERT_TRUE(book) << book.message();
    for (int t = 0; t < kTopicCount; ++t) {
        const TopicRules& rules = book->topic(static_cast<Topic>(t));
        EXPECT_FALSE(rules.elements.empty()) << kTopicNames[static_cast<std::size_t>(t)];
        EXPECT_LT(rules.bad, rules.good);
    }
}

struct Damage {
    const char* name;
    std::string appended;  // lines added at the end, inside the last section [出行]
    const char* message;   // a part of the refusal
    bool lineOfAppendix = true;  // the fault is reported at the first appended line
};

class DamagedRuleFile : public ::testing::TestWithParam<Damage> {};

TEST_P(DamagedRuleFile, IsRefusedWithItsLine) {
    const Damage& d = GetParam();
    std::string text(builtInRuleText());
    if (!text.ends_with('\n')) text += '\n';
    const int firstAppended = lineCount(text) + 1;
    text += d.appended;
    Expected<RuleBook> book = parseRules(text);
    ASSERT_FALSE(book);
    EXPECT_NE(book.message().find(d.message), std::string::npos) << book.message();
    if (d.lineOfAppendix) {
        EXPECT_EQ(book.message().rfind("规则文件第" + std::to_string(firstAppended) + "行：", 0), 0u) << book.message();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Faults, DamagedRuleFile,
    ::testing::Values(
        Damage{"UnknownFeature", "开门.空王 = -1 | a | b\n", "未知的规则“开门.空王”"},
        Damage{"WeightOutOfRange", "开门.击刑 = -12 | a | b\n", "权重应为-9到9的整数"},
        Damage{"WeightNotANumber", "开门.击刑 = 负一 | a | b\n", "权重应为-9到9的整数"},
        Damage{"MissingEffect", "开门.击刑 = -1 | {物}落空\n", "应写作“权重 | 描述 | 效果”"},
        Damage{"UnknownPlaceholder", "开门.击刑 = -1 | {物}落{房} | 无路\n", "未知的占位符{房}"},
        Damage{"PlaceholderOutOfPlace", "开门.击刑 = -1 | {伴}落空 | 无路\n", "此处不能用占位符{伴}"},
        Damage{"UnclosedPlaceholder", "开门.击刑 = -1 | {物落空 | 无路\n", "缺少“}”"},
        Damage{"UndeclaredElement", "生门.空亡 = -1 | a | b\n", "“生门”既非角色也未取用"},
        Damage{"UnknownCompanion", "开门+天王 = -1 | a | b\n", "未知的规则“开门+天王”"},
        Damage{"BadRole", "天心 = 神 | 医生\n", "角色为人、事、用或忌"},
        Damage{"ElementTwice", "开门 = 用 | 道路\n", "“开门”重复取用"},
        Damage{"CounterpartNotDeclared", "天心 = 用 | 医生 | 生门\n", "相较者“生门”没有取用"},
        Damage{"RuleTwice", "开门.入墓 = -1 | a | b\n开门.入墓 = -2 | a | b\n", "规则“开门.入墓”重复", false},
        Damage{"RuleReachingNoElement", "日干.生时干 = +1 | a | b\n", "不适用于任何取用"},
        Damage{"TimingOfNoElement", "应期 = 六合\n", "应期应为已取用的一项"},
        Damage{"CapOnARelation", "上限 = 用:空亡+生对 | 平 | 不成\n", "上限的条件不能用“生对”"},
        Damage{"CapWithoutScope", "上限 = 空亡 | 平 | 不成\n", "上限的条件应以"},
        Damage{"CapBadVerdict", "上限 = 用:空亡 | 中 | 不成\n", "断应为大吉、吉、平、凶或大凶"},
        Damage{"BoundariesOutOfOrder", "吉 = -9\n", "分界应满足", false},
        Damage{"LineWithoutEquals", "开门空亡\n", "规则应写作“键 = 值”"},
        Damage{"UnknownSection", "[搬家]\n", "未知的节[搬家]"},
        Damage{"SectionTwice", "[刑]\n", "节[刑]重复"}),
    [](const auto& info) { return std::string(info.param.name); });

struct Edit {
    const char* name;
    std::string_view from, to;
    const char* message;
};

class EditedRuleFile : public ::testing::TestWithParam<Edit> {};

TEST_P(EditedRuleFile, IsRefused) {
    const Edit& e = GetParam();
    std::string text(builtInRuleText());
    std::size_t at = text.find(e.from);
    ASSERT_NE(at, std::string::npos) << e.from;
    text.replace(at, e.from.size(), e.to);
    Expected<RuleBook> book = parseRules(text);
    ASSERT_FALSE(book);
    EXPECT_NE(book.message().find(e.message), std::string::npos) << book.message();
}

INSTANTIATE_TEST_SUITE_P(
    Faults, EditedRuleFile,
    ::testing::Values(Edit{"TombMissing", "\n癸 = 坤\n", "\n", "墓缺少癸"},
                      Edit{"TombNotAPalace", "\n癸 = 坤\n", "\n癸 = 中\n", "墓应为八宫之一"},
                      Edit{"SectionMissing", "[刑]", "[刑罚]", "未知的节[刑罚]"},
                      Edit{"RuleBeforeAnySection", "# 奇门断事规则", "大吉 = 9\n#", "第一节之前不能有规则"},
                      Edit{"TimingTextMissing", "应期.平 =", "# 应期.平 =", "通则缺少“应期.平”"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace qimen::judgement
