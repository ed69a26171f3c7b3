// GBK INI files: encoding at the boundary, file order, untouched entries kept,
// and files in the wrong encoding refused without being overwritten.
#include <gtest/gtest.h>

#include "files/fixed_fields.hpp"
#include "files/gbk_ini.hpp"
#include "temp_data_root.hpp"
#include "text/gbk.hpp"

namespace qimen::files {
namespace {

using qimen::testing::TempDataRoot;
using qimen::testing::readText;
using qimen::testing::writeBytes;

TEST(GbkIni, ReadsGbkAsUtf8InFileOrder) {
    TempDataRoot root;
    auto path = root.path() / "a.ini";
    writeBytes(path, text::utf8ToGbk("; 注释\r\n[福建省]\r\n福州=119:18*26:5\r\n厦门=118:5*24:29\r\n漳州=117:39*24:31\r\n"));
    GbkIniFile ini;
    auto loaded = ini.load(path);
    ASSERT_TRUE(loaded) << loaded.message();
    EXPECT_EQ(ini.keys("福建省"), (std::vector<std::string>{"福州", "厦门", "漳州"}));
    EXPECT_EQ(ini.text("福建省", "厦门", ""), "118:5*24:29");
}

TEST(GbkIni, SaveWritesGbkWithCrLfAndKeepsOtherEntries) {
    TempDataRoot root;
    auto path = root.path() / "a.ini";
    writeBytes(path, text::utf8ToGbk("[甲]\r\nx=1\r\n[乙]\r\ny=老\r\n"));
    GbkIniFile ini;
    ASSERT_TRUE(ini.load(path));
    ini.setText("甲", "新", "值");
    auto saved = ini.save(path);
    ASSERT_TRUE(saved) << saved.message();
    auto bytes = readText(path);
    EXPECT_NE(bytes.find(text::utf8ToGbk("y=老\r\n")), std::string::npos);
    EXPECT_NE(bytes.find(text::utf8ToGbk("新=值\r\n")), std::string::npos);
    EXPECT_EQ(bytes.find("\n\n"), std::string::npos);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            EXPECT_EQ(bytes[i - 1], '\r');
        }
    }
}

TEST(GbkIni, IntegersFallBackOnGarbage) {
    TempDataRoot root;
    auto path = root.path() / "a.ini";
    writeBytes(path, "[s]\r\na=12\r\nb=x12\r\nc=-7\r\nd=\r\ne=99999999999999999999\r\n");
    GbkIniFile ini;
    ASSERT_TRUE(ini.load(path));
    EXPECT_EQ(ini.integer("s", "a", 5), 12);
    EXPECT_EQ(ini.integer("s", "b", 5), 5);
    EXPECT_EQ(ini.integer("s", "c", 5), -7);
    EXPECT_EQ(ini.integer("s", "d", 5), 5);
    EXPECT_EQ(ini.integer("s", "e", 5), 5);
    EXPECT_EQ(ini.integer("s", "missing", 5), 5);
}

struct BrokenIni {
    const char* name;
    std::string bytes;
    const char* reason;
};

class BrokenIniTest : public ::testing::TestWithParam<BrokenIni> {};

TEST_P(BrokenIniTest, IsRefusedAndNeverOverwritten) {
    TempDataRoot root;
    auto path = root.path() / "a.ini";
    writeBytes(path, GetParam().bytes);
    GbkIniFile ini;
    auto loaded = ini.load(path);
    EXPECT_FALSE(loaded);
    EXPECT_NE(loaded.message().find(GetParam().reason), std::string::npos) << loaded.message();
    EXPECT_TRUE(ini.keys("福建省").empty());
    EXPECT_FALSE(ini.save(path));
    EXPECT_EQ(readText(path), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(Corpus, BrokenIniTest,
                         ::testing::Values(BrokenIni{"Utf8Encoded", "[福建省]\r\n福州=119:18*26:5\r\n", "UTF-8"},
                                           BrokenIni{"Utf8WithBom", "\xEF\xBB\xBF[a]\r\nb=c\r\n", "UTF-8"},
                                           BrokenIni{"ZeroBytes", std::string("[a]\r\nb=\0c\r\n", 11), "zero bytes"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(GbkIni, TooLargeFileIsRefused) {
    TempDataRoot root;
    auto path = root.path() / "a.ini";
    writeBytes(path, std::string(GbkIniFile::kMaxBytes + 1, ';'));
    GbkIniFile ini;
    EXPECT_FALSE(ini.load(path));
}

TEST(GbkIni, NamesThatWouldBreakTheFileAreRefused) {
    GbkIniFile ini;
    EXPECT_THROW(ini.setText("s", "a=b", "v"), FieldError);
    EXPECT_THROW(ini.setText("s", "[x", "v"), FieldError);
    EXPECT_THROW(ini.setText("s]", "k", "v"), FieldError);
    EXPECT_THROW(ini.setText("s", "k", "two\nlines"), FieldError);
    EXPECT_THROW(ini.setText("s", "😀", "v"), FieldError);
}

TEST(GbkIni, MissingFileLoadsEmptyAndCanBeCreated) {
    TempDataRoot root;
    auto path = root.path() / "new.ini";
    GbkIniFile ini;
    ASSERT_TRUE(ini.load(path));
    ini.setInteger("s", "k", 3);
    ASSERT_TRUE(ini.save(path));
    EXPECT_EQ(readText(path), "[s]\r\nk=3\r\n");
}

}  // namespace
}  // namespace qimen::files
