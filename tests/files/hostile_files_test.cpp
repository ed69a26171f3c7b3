// Files that are not what they should be: a FIFO in place of a data file is
// refused at once, never waited on; temporary files of a killed writer are
// removed by the next one; a refused INI change writes nothing.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "child_process.hpp"
#include "files/file_io.hpp"
#include "files/gbk_ini.hpp"
#include "files/window_settings.hpp"
#include "temp_data_root.hpp"

namespace qimen::files {
namespace {

using qimen::testing::TempDataRoot;
using qimen::testing::writeBytes;

TEST(HostileFiles, FifoInPlaceOfAFileIsRefusedAtOnce) {
    TempDataRoot root;
    auto fifo = root.path() / "set.ini";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    qimen::testing::HangGuard guard;
    EXPECT_THROW(readWholeFile(fifo, 1024), FileError);
    EXPECT_THROW(File(fifo, File::Mode::ReadWrite), FileError);
    GbkIniFile ini;
    auto loaded = ini.load(fifo);
    EXPECT_NE(loaded.message().find("not a regular file"), std::string::npos) << loaded.message();
    std::filesystem::create_directories(root.dat());
    ASSERT_EQ(::mkfifo(windowSettingsPath(root.path()).c_str(), 0644), 0);
    EXPECT_FALSE(readWindowSettings(root.path()));
}

TEST(HostileFiles, TemporariesOfEndedWritersAreRemovedByTheNextWriter) {
    TempDataRoot root;
    auto dead = std::to_string(qimen::testing::endedProcessId());
    auto mine = std::to_string(::getpid());
    writeBytes(root.path() / (".dili.ini.tmp-" + dead), "half");
    writeBytes(root.path() / (".qimen0.dat.import.tmp-" + dead), "staged");
    writeBytes(root.path() / (".other.ini.tmp-" + mine), "in progress here");
    writeBytes(root.path() / (".init.ini.tmp-1"), "pid 1 runs");
    writeBytes(root.path() / ("plain.tmp-" + dead), "not ours: no leading dot");
    replaceFileAtomically(root.path() / "dili.ini", std::string("[x]\r\n"));
    EXPECT_FALSE(std::filesystem::exists(root.path() / (".dili.ini.tmp-" + dead)));
    EXPECT_FALSE(std::filesystem::exists(root.path() / (".qimen0.dat.import.tmp-" + dead)));
    EXPECT_TRUE(std::filesystem::exists(root.path() / (".other.ini.tmp-" + mine)));
    EXPECT_TRUE(std::filesystem::exists(root.path() / ".init.ini.tmp-1"));
    EXPECT_TRUE(std::filesystem::exists(root.path() / ("plain.tmp-" + dead)));
}

TEST(HostileFiles, FailedIniChangeWritesNothing) {
    TempDataRoot root;
    auto path = root.path() / "dili.ini";
    writeBytes(path, "[a]\r\nx=1\r\n");
    auto changed = changeIniFile(path, [](GbkIniFile& ini) -> Expected<void> {
        ini.setInteger("a", "x", 2);
        return fail("refused");
    });
    EXPECT_EQ(changed.message(), "refused");
    EXPECT_EQ(qimen::testing::readText(path), "[a]\r\nx=1\r\n");
}

}  // namespace
}  // namespace qimen::files
