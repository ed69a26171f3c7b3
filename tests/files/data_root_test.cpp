// Resolving and preparing the data root.
#include <gtest/gtest.h>

#include <cstdlib>

#include "files/data_root.hpp"
#include "temp_data_root.hpp"

namespace qimen::files {
namespace {

using qimen::testing::TempDataRoot;
using qimen::testing::readText;
using qimen::testing::writeBytes;

class EnvironmentGuard {
public:
    explicit EnvironmentGuard(std::initializer_list<const char*> names) {
        for (auto name : names) {
            const char* value = std::getenv(name);
            saved_.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
        }
    }
    ~EnvironmentGuard() {
        for (auto& [name, value] : saved_) value ? ::setenv(name, value->c_str(), 1) : ::unsetenv(name);
    }

private:
    std::vector<std::pair<const char*, std::optional<std::string>>> saved_;
};

TEST(DataRoot, QimenHomeWinsThenXdgThenHome) {
    EnvironmentGuard guard{"QIMEN_HOME", "XDG_DATA_HOME", "HOME"};
    ::setenv("HOME", "/home/u", 1);
    ::setenv("XDG_DATA_HOME", "/xdg", 1);
    ::setenv("QIMEN_HOME", "/q", 1);
    EXPECT_EQ(*resolveDataRoot(), "/q");
    ::setenv("QIMEN_HOME", "", 1);
    EXPECT_EQ(*resolveDataRoot(), "/xdg/qimen");
    ::unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(*resolveDataRoot(), "/home/u/.local/share/qimen");
    ::unsetenv("HOME");
    EXPECT_EQ(resolveDataRoot().message(), "cannot find a place for the data: set QIMEN_HOME or HOME");
}

TEST(DataRoot, PrepareMakesFoldersAndSeedsOnlyMissingFiles) {
    TempDataRoot defaults, root;
    writeBytes(defaults.path() / "dili.ini", "shipped");
    writeBytes(defaults.path() / "set.ini", "shipped");
    writeBytes(root.dat() / "dili.ini", "mine");
    auto prepared = prepareDataRoot(root.path(), defaults.path());
    ASSERT_TRUE(prepared) << prepared.message();
    EXPECT_EQ(*prepared, std::vector<std::string>{"set.ini"});
    EXPECT_EQ(readText(root.dat() / "dili.ini"), "mine");
    EXPECT_EQ(readText(root.dat() / "set.ini"), "shipped");
    EXPECT_TRUE(std::filesystem::is_directory(root.path() / "qimen_f"));
}

TEST(DataRoot, AFileWhereAFolderBelongsIsReported) {
    TempDataRoot root;
    writeBytes(root.path() / "dat", "not a folder");
    auto prepared = prepareDataRoot(root.path(), root.path() / "none");
    EXPECT_FALSE(prepared);
    EXPECT_NE(prepared.message().find("dat"), std::string::npos);
}

TEST(DataRoot, ShippedDefaultsHoldThePlaceTable) {
    EXPECT_TRUE(std::filesystem::exists(shippedDefaultsDirectory() / "dili.ini"));
}

}  // namespace
}  // namespace qimen::files
