// Reading and writing dat/set.ini: defaults for a missing or damaged file,
// the low-byte cut of radio values, booleans as any non-zero integer, and
// the writers' key order and CR LF lines with other content kept.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "chart/chart_settings.hpp"
#include "text/gbk.hpp"

namespace qimen::chart {
namespace {

namespace fs = std::filesystem;

class ChartSettingsFile : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() /
                ("qimen_chart_settings_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(root_);
        fs::create_directories(root_ / "dat");
        path_ = chartSettingsPath(root_);
    }
    void TearDown() override { fs::remove_all(root_); }

    void write(const std::string& bytes) {
        std::ofstream out(path_, std::ios::binary);
        out << bytes;
    }
    std::string read() const {
        std::ifstream in(path_, std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }

    fs::path root_;
    fs::path path_;
};

TEST_F(ChartSettingsFile, PathIsDatSetIniUnderTheRoot) {
    EXPECT_EQ(path_, root_ / "dat" / "set.ini");
}

TEST_F(ChartSettingsFile, MissingFileGivesTheDefaults) {
    // Rotating plate by 拆补法, list W, stems by the 值符, 宝鉴 on, no true solar
    // time, no hidden stems.
    ChartSettings settings = loadChartSettings(path_);
    EXPECT_EQ(settings, ChartSettings{});
    EXPECT_EQ(settings.pan, 0);
    EXPECT_EQ(settings.ju, 0);
    EXPECT_EQ(settings.shen, 0);
    EXPECT_EQ(settings.tianyi, 0);
    EXPECT_TRUE(settings.baojian);
    EXPECT_FALSE(settings.sun);
    EXPECT_EQ(settings.angan, 0);
    EXPECT_EQ(settings.ileft, 0);
}

TEST(ShippedChartSettings, HoldEveryKeyWithItsDefault) {
    fs::path shipped = fs::path(QIMEN_SOURCE_DIR) / "data" / "dat" / "set.ini";
    ASSERT_TRUE(fs::exists(shipped));
    EXPECT_EQ(loadChartSettings(shipped), ChartSettings{});
    std::ifstream in(shipped, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    for (const char* key : {"pan=", "ju=", "shen=", "tianyi=", "zhifu=", "jiugong=", "sun=", "save=", "endinfo=",
                            "ileft=", "baojian=", "angan=", "selyue=", "zishi=", "yuejiang="})
        EXPECT_NE(bytes.str().find(std::string("\r\n") + key), std::string::npos) << key;
}

TEST_F(ChartSettingsFile, ReadsEveryKey) {
    write("[qimen]\r\npan=1\r\nju=1\r\nshen=1\r\ntianyi=1\r\nzhifu=1\r\njiugong=1\r\nsun=1\r\nsave=1\r\n"
          "endinfo=1\r\nileft=12\r\nbaojian=0\r\nangan=2\r\nselyue=1\r\nzishi=1\r\nyuejiang=1\r\n");
    ChartSettings s = loadChartSettings(path_);
    EXPECT_EQ(s.pan, 1);
    EXPECT_EQ(s.ju, 1);
    EXPECT_EQ(s.shen, 1);
    EXPECT_EQ(s.tianyi, 1);
    EXPECT_EQ(s.zhifu, 1);
    EXPECT_TRUE(s.jiugong);
    EXPECT_TRUE(s.sun);
    EXPECT_TRUE(s.save);
    EXPECT_TRUE(s.endinfo);
    EXPECT_EQ(s.ileft, 12);
    EXPECT_FALSE(s.baojian);
    EXPECT_EQ(s.angan, 2);
    EXPECT_EQ(s.selyue, 1);
    EXPECT_EQ(s.zishi, 1);
    EXPECT_EQ(s.yuejiang, 1);
}

struct ValueCase {
    const char* line;
    ChartSettings expected;
};

ChartSettings with(void (*change)(ChartSettings&)) {
    ChartSettings s;
    change(s);
    return s;
}

class SettingValues : public ChartSettingsFile, public ::testing::WithParamInterface<ValueCase> {};

TEST_P(SettingValues, AreReadAsTheRulesSay) {
    write(std::string("[qimen]\r\n") + GetParam().line + "\r\n");
    EXPECT_EQ(loadChartSettings(path_), GetParam().expected) << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(
    Values, SettingValues,
    ::testing::Values(
        ValueCase{"pan=2", with([](ChartSettings& s) { s.pan = 2; })},          // any non-zero: flying
        ValueCase{"tianyi=2", with([](ChartSettings& s) { s.tianyi = 2; })},    // kept; only 1 selects 天心
        ValueCase{"pan=257", with([](ChartSettings& s) { s.pan = 1; })},        // low byte
        ValueCase{"angan=-1", with([](ChartSettings& s) { s.angan = 255; })},   // low byte
        ValueCase{"sun=7", with([](ChartSettings& s) { s.sun = true; })},       // non-zero is true
        ValueCase{"baojian=0", with([](ChartSettings& s) { s.baojian = false; })},
        ValueCase{"ileft=999", with([](ChartSettings& s) { s.ileft = 999; })},
        ValueCase{"ileft=70000", with([](ChartSettings& s) { s.ileft = 4464; })},  // low 16 bits
        ValueCase{"pan=abc", ChartSettings{}},                                      // not a number
        ValueCase{"pan=1x", ChartSettings{}},
        ValueCase{"pan=", ChartSettings{}},
        ValueCase{"PAN=1", with([](ChartSettings& s) { s.pan = 1; })},            // keys ignore case
        ValueCase{"pan = 1 ", with([](ChartSettings& s) { s.pan = 1; })}));

TEST_F(ChartSettingsFile, DamagedFilesGiveTheDefaults) {
    for (std::string bytes : {std::string("\0\1\2\3[qimen]\npan=1", 17), std::string("garbage without sections"),
                              std::string("[qimen]\npan=\xE4\xBD\xA0\n"), std::string("[other]\npan=1\n")}) {
        write(bytes);
        EXPECT_EQ(loadChartSettings(path_), ChartSettings{});
    }
    EXPECT_EQ(loadChartSettings(root_), ChartSettings{});  // a folder, not a file
}

// A damaged file is charted with the defaults, but never silently: the read
// names what is wrong, so that a warning can be shown.
TEST_F(ChartSettingsFile, DamageIsNamedNotHidden) {
    struct Damage {
        std::string bytes;
        const char* problem;
    };
    for (const Damage& d : {Damage{std::string("\0\1\2\3[qimen]\npan=1", 17), "zero bytes"},
                            Damage{"[qimen]\npan=\xE4\xBD\xA0\n", "UTF-8"},
                            Damage{"\xFF\xFE[qimen]\npan=1\n", "no [qimen] section"},
                            Damage{"[other]\npan=1\n", "no [qimen] section"},
                            Damage{"[qimen]\npan=abc\nju=1x\nsun=1\n", "pan=abc, ju=1x not a whole number"}}) {
        write(d.bytes);
        ChartSettingsRead r = readChartSettings(path_);
        EXPECT_NE(r.problem.find(d.problem), std::string::npos) << r.problem;
        EXPECT_NE(r.problem.find(path_.string()), std::string::npos) << r.problem;
    }
    EXPECT_TRUE(readChartSettings(path_).settings.sun);  // the sound keys still count
    write("[qimen]\npan=1\n");
    EXPECT_EQ(readChartSettings(path_).problem, "");
    fs::remove(path_);
    EXPECT_EQ(readChartSettings(path_).problem, "");  // a missing file is not damage
    EXPECT_NE(readChartSettings(root_).problem, "");   // a folder, not a file
}

TEST_F(ChartSettingsFile, WriterUsesTheDialogOrderAndCrLf) {
    ChartSettings s;
    s.ileft = 5;
    s.pan = 1;
    s.angan = 2;
    s.jiugong = true;
    s.baojian = false;
    s.yuejiang = 1;
    s.endinfo = true;  // not the dialog's key
    ASSERT_TRUE(writeChartSettings(path_, s));
    EXPECT_EQ(read(),
              "[qimen]\r\nileft=5\r\npan=1\r\nju=0\r\nshen=0\r\ntianyi=0\r\nzhifu=0\r\njiugong=1\r\nsun=0\r\n"
              "save=0\r\nbaojian=0\r\nangan=2\r\nselyue=0\r\nzishi=0\r\nyuejiang=1\r\n");
    ChartSettings back = loadChartSettings(path_);
    s.endinfo = false;
    EXPECT_EQ(back, s);
}

TEST_F(ChartSettingsFile, WritersKeepOtherSectionsAndKeys) {
    std::string gbkComment = text::utf8ToGbk("[注]\r\n说明=排盘设置\r\n");
    write("[qimen]\r\nendinfo=1\r\nextra=7\r\n" + gbkComment);
    ChartSettings s;
    s.zhifu = 1;
    ASSERT_TRUE(writeChartSettings(path_, s));
    std::string after = read();
    EXPECT_NE(after.find("extra=7\r\n"), std::string::npos);
    EXPECT_NE(after.find(text::utf8ToGbk("说明=排盘设置\r\n")), std::string::npos);
    ChartSettings back = loadChartSettings(path_);
    EXPECT_TRUE(back.endinfo);
    EXPECT_EQ(back.zhifu, 1);

    ASSERT_TRUE(writeEndInfoSetting(path_, false));
    back = loadChartSettings(path_);
    EXPECT_FALSE(back.endinfo);
    EXPECT_EQ(back.zhifu, 1);
}

TEST_F(ChartSettingsFile, WriterCreatesTheFileAndItsFolder) {
    fs::path fresh = root_ / "new" / "dat" / "set.ini";
    ASSERT_TRUE(writeEndInfoSetting(fresh, true));
    EXPECT_TRUE(loadChartSettings(fresh).endinfo);
}

TEST_F(ChartSettingsFile, WriterRefusesToOverwriteAFileItCannotRead) {
    std::string utf8 = "[qimen]\r\npan=1\r\n; 你好\r\n";
    write(utf8);
    EXPECT_FALSE(writeChartSettings(path_, ChartSettings{}));
    EXPECT_EQ(read(), utf8);
}

}  // namespace
}  // namespace qimen::chart
