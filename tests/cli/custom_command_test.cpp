// `qimen custom`: the class commands with the system's messages, the JSON
// form read back by add --from, and the custom printout of a chart.
#include <fstream>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli_run.hpp"
#include "text/gbk.hpp"

namespace {

using qimen::testing::CliRun;

class CustomCommand : public qimen::testing::CliTest {
protected:
    CustomCommand() : CliTest({"custom"}, {2008, 8, 8, 20, 8}) {}

    // A run that must succeed; its standard output.
    std::string ok(std::vector<std::string> args) {
        CliRun r = run(std::move(args));
        EXPECT_EQ(r.code, 0) << r.err;
        return r.out;
    }
    // A run that must fail with this message.
    void refused(std::vector<std::string> args, const std::string& message) {
        CliRun r = run(std::move(args));
        EXPECT_EQ(r.code, 1);
        EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
    }
    std::filesystem::path customFile() const { return root.dat() / "custom.dat"; }
};

TEST_F(CustomCommand, ClassesAreAddedChangedAndDeletedWithTheSystemsMessages) {
    EXPECT_EQ(ok({"list"}), "");
    EXPECT_EQ(ok({"add", "甲"}), "增加新类别成功!\n");
    EXPECT_EQ(ok({"add", "乙", "--defaults"}), "增加新类别成功!\n");
    refused({"add", "甲"}, "已经有这个类别了,请另取一个类别名");
    refused({"add", "十三个汉字十三个汉字十三个"}, "类别名须为1-24个字节");
    EXPECT_EQ(ok({"list"}), "甲\n乙\n");

    EXPECT_EQ(ok({"set", "甲", "九星", "天芮", "病"}), "完成修改!\n");
    EXPECT_EQ(ok({"set", "甲", "直使", "1", "使者"}), "完成修改!\n");
    EXPECT_EQ(ok({"check", "甲", "使用直使", "on"}), "完成修改!\n");
    std::string shown = ok({"show", "甲"});
    EXPECT_NE(shown.find("九星:天英 天蓬 病　 天冲"), std::string::npos) << shown;
    EXPECT_NE(shown.find("直使:使者  使用直使:是"), std::string::npos) << shown;

    refused({"set", "甲", "八门", "3", "ab"}, "八门别名输入错误,别名必须为1-2个汉字");
    refused({"set", "甲", "八门", "9", "门"}, "is not a column of 八门");
    refused({"set", "丙", "八门", "1", "门"}, "找不到这个类别,无法完成修改");
    refused({"show", "丙"}, "找不到这个类别!");

    EXPECT_EQ(ok({"delete", "甲"}), "已删除!\n");
    refused({"delete", "甲"}, "删除失败,没有这个类别");
    EXPECT_EQ(ok({"list", "--json"}), "[\n  \"乙\"\n]\n");
}

TEST_F(CustomCommand, ShowJsonIsWhatAddFromReads) {
    ok({"add", "原"});
    ok({"set", "原", "天盘奇仪", "乙", "日奇"});
    ok({"check", "原", "日干地盘", "on"});
    std::string json = ok({"show", "原", "--json"});
    auto parsed = nlohmann::json::parse(json);
    EXPECT_EQ(parsed["heavenStems"][0], "日奇");
    EXPECT_EQ(parsed["dayStem"]["onEarth"], true);
    std::filesystem::path copy = root.path() / "copy.json";
    std::ofstream(copy) << json;
    EXPECT_EQ(ok({"add", "副本", "--from", copy.string()}), "增加新类别成功!\n");
    auto back = nlohmann::json::parse(ok({"show", "副本", "--json"}));
    parsed["name"] = "副本";
    EXPECT_EQ(back, parsed);

    std::ofstream(copy, std::ios::trunc) << R"({"doors": ["景门"]})";
    refused({"add", "坏", "--from", copy.string()}, "doors must be a list of 8 aliases");
    std::ofstream(copy, std::ios::trunc) << R"({"palaces": ["南","北","西南","东","东南","西北","西","东北方向"]})";
    refused({"add", "坏", "--from", copy.string()}, "九宫别名输入错误,别名必须为1-2个汉字");
    EXPECT_EQ(ok({"list"}), "原\n副本\n");
}

// The printout of the default aliases is the reviewed reference without its
// carriage returns; --gbk gives its exact bytes.
TEST_F(CustomCommand, ChartPrintsTheCustomPrintout) {
    ok({"add", "默认"});
    std::ifstream in(std::filesystem::path(QIMEN_SOURCE_DIR) / "tests/data/custom_charts/default_aliases.txt",
                     std::ios::binary);
    std::string reference((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::string gbk = ok({"chart", "默认", "--at", "2008-08-08 20:08", "--gbk"});
    EXPECT_EQ(gbk, qimen::text::utf8ToGbk(reference));
    std::string plain = ok({"chart", "默认", "--at", "2008-08-08 20:08"});
    std::erase(reference, '\r');
    EXPECT_EQ(plain, reference);
    auto json = nlohmann::json::parse(ok({"chart", "默认", "--json"}));
    EXPECT_EQ(json["ju"], 2);
    EXPECT_EQ(json["className"], "默认");

    refused({"chart", "无此类"}, "找不到这个类别,无法排盘!");
    refused({"chart", "默认", "--method", "day"}, "只有时家转盘才能显示自定义奇门盘!");
    refused({"chart", "默认", "--set", "pan=1"}, "只有时家转盘才能显示自定义奇门盘!");
    refused({"chart", "默认", "--set", "ju=1", "--at", "1899-06-01 10:00"}, "置闰法起局只能用于1900-2050年。");
}

TEST_F(CustomCommand, DamagedFileIsListedAsFarAsItGoesAndKept) {
    ok({"add", "甲"});
    auto bytes = qimen::testing::fileBytes(customFile());
    bytes[0] = 3;
    qimen::testing::writeBytes(customFile(), std::string(bytes.begin(), bytes.end()));
    CliRun listed = run({"list"});
    EXPECT_EQ(listed.code, 1);
    EXPECT_EQ(listed.out, "甲\n");
    EXPECT_NE(listed.err.find("记有3个类别位置,只存有1个"), std::string::npos) << listed.err;
    refused({"add", "乙"}, "没有写入任何改动");
    refused({"delete", "甲"}, "没有写入任何改动");
    EXPECT_EQ(qimen::testing::fileBytes(customFile()), bytes);
}

}  // namespace
