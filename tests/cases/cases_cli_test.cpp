// The `qimen cases` and `qimen places` commands, run in-process on a temporary
// data root named by QIMEN_HOME.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "../cli/cli_run.hpp"
#include "../files/child_process.hpp"
#include "store_fixture.hpp"

namespace qimen::cases {
namespace {

using qimen::testing::CliRun;

class CasesCli : public qimen::testing::CliTest {
protected:
    CasesCli() : CliTest({}, {2024, 1, 1, 0, 0}, qimen::testing::RootBy::Environment) {}
    void addCases() {
        CaseStore store(root.path());
        ASSERT_TRUE(store.open());
        CaseRecord lunar = testing::recordFor(4, "张三");
        lunar.lunarInput = lunar.leapMonth = true;
        lunar.date = {2008, 4, 8, 9, 30};
        ASSERT_EQ(store.append(*encodeCaseRecord(lunar)).valueOr(-1), 0);
        CaseRecord old = testing::recordFor(5, "李四");
        old.date = {-119, 3, 5, 0, 0};
        ASSERT_EQ(store.append(*encodeCaseRecord(old)).valueOr(-1), 1);
        ASSERT_EQ(store.append(testing::imageFor(6, "张")).valueOr(-1), 2);
    }
};

TEST_F(CasesCli, ListShowsTheCaseListColumns) {
    addCases();
    auto r = run({"cases", "list"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out,
              "ID\t求测人\t日期\t类别\t占问事宜\n"
              "0\t张三\t农闰2008-4-8\t求财\t事4\n"
              "1\t李四\t公-120-3-5\t求财\t事5\n"
              "2\t张\t公2006-5-6\t求财\t事6\n");
}

TEST_F(CasesCli, ListAllOnAnEmptyStoreSaysSo) {
    auto r = run({"cases", "list", "--all"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, "qimen: 没有记录，无从查找。\n");
}

TEST_F(CasesCli, ShowJsonCarriesEveryField) {
    addCases();
    auto r = run({"cases", "show", "0", "--json"});
    ASSERT_EQ(r.code, 0) << r.err;
    auto j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["askerName"], "张三");
    EXPECT_EQ(j["dateText"], "农闰2008-4-8");
    EXPECT_EQ(j["date"]["hour"], 9);
    EXPECT_EQ(j["placeName"], "福建省-福州");
    EXPECT_TRUE(j["commentaryFile"].is_null());
    EXPECT_EQ(run({"cases", "show", "9"}).code, 1);
}

TEST_F(CasesCli, FindByNameExactAndYears) {
    addCases();
    auto contains = run({"cases", "find", "--name", "张"});
    ASSERT_EQ(contains.code, 0) << contains.err;
    EXPECT_NE(contains.out.find("\n0\t"), std::string::npos);
    EXPECT_NE(contains.out.find("\n2\t"), std::string::npos);
    auto exact = run({"cases", "find", "--name", "张", "--exact", "--json"});
    ASSERT_EQ(exact.code, 0);
    EXPECT_EQ(nlohmann::json::parse(exact.out).size(), 1u);
    auto years = run({"cases", "find", "--years", "-120..-120", "--json"});
    ASSERT_EQ(years.code, 0) << years.err;
    EXPECT_EQ(nlohmann::json::parse(years.out)[0]["id"], 1);
    auto none = run({"cases", "find", "--matter", "无此事"});
    EXPECT_EQ(none.code, 1);
    EXPECT_EQ(none.err, "qimen: 没有找到符合条件的事例。\n");
}

TEST_F(CasesCli, DeleteRemovesTheCaseAndItsCommentary) {
    addCases();
    qimen::testing::writeBytes(root.path() / "qimen_f" / "1.rtf", "{\\rtf1 x}");
    ASSERT_EQ(run({"cases", "delete", "1"}).code, 0);
    EXPECT_FALSE(std::filesystem::exists(root.path() / "qimen_f" / "1.rtf"));
    EXPECT_EQ(run({"cases", "show", "1"}).code, 1);
    auto again = run({"cases", "delete", "1"});
    EXPECT_EQ(again.code, 1);
    EXPECT_NE(again.err.find("deleted"), std::string::npos);
}

TEST_F(CasesCli, ExportImportClearRoundTrip) {
    addCases();
    qimen::testing::TempDataRoot backup;
    ASSERT_EQ(run({"cases", "export", backup.path().string()}).code, 0);
    EXPECT_EQ(run({"cases", "clear"}).code, 1);  // needs --yes
    auto store = std::filesystem::path(root.dat() / "qimen0.dat");
    auto before = qimen::testing::fileBytes(store);
    auto cleared = run({"cases", "clear", "--yes"});
    ASSERT_EQ(cleared.code, 0) << cleared.err;
    auto kept = std::filesystem::directory_iterator(root.dat() / "backup")->path();
    EXPECT_NE(cleared.out.find("原有记录已备份到" + kept.string()), std::string::npos) << cleared.out;
    EXPECT_EQ(qimen::testing::fileBytes(kept / "qimen0.dat"), before);
    EXPECT_EQ(run({"cases", "list", "--all"}).code, 1);
    auto imported = run({"cases", "import", (backup.path() / "qimen0.dat").string()});
    ASSERT_EQ(imported.code, 0) << imported.err;
    EXPECT_NE(run({"cases", "list", "--all"}).out.find("李四"), std::string::npos);
}

// The damage of the issue's reproductions: the header's slot count lowered
// below the records (1 of 3), made impossible (-1), and the file cut inside
// its second slot.
enum class Damage { CountBelowRecords, ImpossibleCount, CutFile };

class DamagedStoreCli : public CasesCli, public ::testing::WithParamInterface<Damage> {
protected:
    void damage() {
        addCases();
        auto path = root.path() / "dat" / "qimen0.dat";
        if (GetParam() == Damage::CutFile) {
            std::filesystem::resize_file(path, 1500);
            return;
        }
        files::File file(path, files::File::Mode::ReadWrite);
        const std::uint8_t one[4] = {1, 0, 0, 0}, minusOne[4] = {0xff, 0xff, 0xff, 0xff};
        file.writeAt(4, GetParam() == Damage::CountBelowRecords ? std::span<const std::uint8_t>(one)
                                                                 : std::span<const std::uint8_t>(minusOne));
    }
};

TEST_P(DamagedStoreCli, ReadingCommandsSaySoAndExitNonZero) {
    damage();
    for (auto args : std::vector<std::vector<std::string>>{{"cases", "list"},
                                                           {"cases", "list", "--all"},
                                                           {"cases", "find", "--name", "张"},
                                                           {"cases", "show", "0"}}) {
        auto r = run(args);
        EXPECT_NE(r.code, 0) << args[1];
        EXPECT_NE(r.err.find("qimen cases repair"), std::string::npos) << args[1] << ": " << r.err;
    }
}

TEST_P(DamagedStoreCli, AddIsRefusedAndRepairMakesTheStoreWritableAgain) {
    damage();
    auto before = qimen::testing::fileBytes(root.path() / "dat" / "qimen0.dat");
    auto added = run({"cases", "add", "--name", "NEW", "--matter", "m", "--at", "2008-08-08 10:00"});
    EXPECT_EQ(added.code, 1);
    EXPECT_NE(added.err.find("qimen cases repair"), std::string::npos) << added.err;
    EXPECT_EQ(qimen::testing::fileBytes(root.path() / "dat" / "qimen0.dat"), before);
    EXPECT_EQ(run({"cases", "edit", "0", "--name", "x"}).code, 1);
    EXPECT_EQ(run({"cases", "delete", "0"}).code, 1);

    auto repaired = run({"cases", "repair"});
    ASSERT_EQ(repaired.code, 0) << repaired.err;
    EXPECT_EQ(qimen::testing::fileBytes(root.path() / "dat" / "qimen0.dat.damaged-1"), before);
    auto listed = run({"cases", "list"});
    ASSERT_EQ(listed.code, 0) << listed.err;
    // Every record the files hold whole is back; the cut one stays lost.
    EXPECT_NE(listed.out.find("\n0\t张三"), std::string::npos);
    EXPECT_EQ(listed.out.find("李四") != std::string::npos, GetParam() != Damage::CutFile) << listed.out;
    auto after = run({"cases", "add", "--name", "NEW", "--matter", "m", "--at", "2008-08-08 10:00"});
    ASSERT_EQ(after.code, 0) << after.err;
    EXPECT_NE(run({"cases", "list"}).out.find("NEW"), std::string::npos);
    EXPECT_EQ(run({"cases", "repair"}).out, "the case store is sound; nothing to repair\n");
}

const char* const kDamageNames[] = {"CountBelowRecords", "ImpossibleCount", "CutFile"};

INSTANTIATE_TEST_SUITE_P(Issue, DamagedStoreCli,
                         ::testing::Values(Damage::CountBelowRecords, Damage::ImpossibleCount, Damage::CutFile),
                         [](const auto& info) { return std::string(kDamageNames[static_cast<int>(info.param)]); });

TEST_F(CasesCli, CaseNumbersAreDecimalOnly) {
    addCases();
    for (const char* id : {"0x1", "1e0", " 1", "+1x"}) {
        auto r = run({"cases", "show", id});
        EXPECT_EQ(r.code, 1) << id;
        EXPECT_NE(r.err.find("is not a case number"), std::string::npos) << r.err;
    }
    EXPECT_NE(run({"cases", "show", "010"}).err.find("no case 10"), std::string::npos);  // ten, not octal eight
    EXPECT_EQ(run({"cases", "show", "02"}).code, 0);
    EXPECT_EQ(run({"cases", "delete", "0x1"}).code, 1);
    EXPECT_EQ(run({"cases", "show", "1"}).code, 0);  // not deleted by "0x1"
}

// qimen_f may be a link to a folder elsewhere: add, delete, export and clear
// all work through it alike, and export never claims copies it did not make.
TEST_F(CasesCli, LinkedCommentaryFolderIsUsedThroughout) {
    qimen::testing::TempDataRoot elsewhere;
    std::filesystem::create_directories(root.path());
    std::filesystem::create_directory_symlink(elsewhere.path(), root.path() / "qimen_f");
    auto at = std::vector<std::string>{"--name", "a", "--matter", "b", "--at", "2008-08-08 10:00"};
    std::vector<std::string> add{"cases", "add"};
    add.insert(add.end(), at.begin(), at.end());
    ASSERT_EQ(run(add).code, 0);
    ASSERT_EQ(run(add).code, 0);
    EXPECT_TRUE(std::filesystem::exists(elsewhere.path() / "1.rtf"));
    qimen::testing::TempDataRoot backup;
    auto exported = run({"cases", "export", backup.path().string()});
    ASSERT_EQ(exported.code, 0) << exported.err;
    EXPECT_TRUE(std::filesystem::exists(backup.path() / "qimen_f" / "0.rtf"));
    EXPECT_TRUE(std::filesystem::exists(backup.path() / "qimen_f" / "1.rtf"));
    ASSERT_EQ(run({"cases", "delete", "1"}).code, 0);
    EXPECT_FALSE(std::filesystem::exists(elsewhere.path() / "1.rtf"));
    ASSERT_EQ(run({"cases", "clear", "--yes"}).code, 0);
    EXPECT_FALSE(std::filesystem::exists(elsewhere.path() / "0.rtf"));
}

TEST_F(CasesCli, ExportThatMissesACommentaryFileFails) {
    addCases();
    qimen::testing::writeBytes(root.path() / "qimen_f" / "0.rtf", "{\\rtf1 x}");
    std::filesystem::create_symlink("/nonexistent", root.path() / "qimen_f" / "1.rtf");
    qimen::testing::TempDataRoot backup;
    auto r = run({"cases", "export", backup.path().string()});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out.find("成功导出"), std::string::npos);
    EXPECT_NE(r.err.find("copied 1 of 2 commentary files"), std::string::npos) << r.err;
}

TEST_F(CasesCli, LeftoversOfAKilledWriterAreRemovedByTheNextWriter) {
    auto dead = std::to_string(qimen::testing::endedProcessId());
    std::vector<std::filesystem::path> leftovers{root.path() / "qimen_f" / (".3.rtf.tmp-" + dead),
                                                 root.path() / "dat" / (".dili.ini.tmp-" + dead),
                                                 root.path() / "dat" / (".qimen0.dat.import.tmp-" + dead)};
    for (const auto& path : leftovers) qimen::testing::writeBytes(path, "half written");
    ASSERT_EQ(run({"cases", "add", "--name", "a", "--matter", "b", "--at", "2008-08-08 10:00"}).code, 0);
    for (const auto& path : leftovers) EXPECT_FALSE(std::filesystem::exists(path)) << path;
}

TEST_F(CasesCli, PlacesSetListDelete) {
    ASSERT_EQ(run({"places", "set", "福建省", "测试", "-75:30", "40:45"}).code, 0);
    auto listed = run({"places", "list", "福建省"});
    EXPECT_NE(listed.out.find("福建省\t测试\t-75:30*40:45\t-74.5000\t40.7500\n"), std::string::npos);
    auto bad = run({"places", "set", "福建省", "测试", "120:0", "90:0"});
    EXPECT_EQ(bad.code, 1);
    EXPECT_EQ(bad.err, "qimen: 纬度在-90到90之间，分数在0-60之间\n");
    EXPECT_EQ(run({"places", "delete", "福建省", "测试"}).code, 0);
    EXPECT_EQ(run({"places", "delete", "福建省", "测试"}).code, 1);
    EXPECT_EQ(run({"places", "list", "火星"}).code, 1);
}

}  // namespace
}  // namespace qimen::cases
