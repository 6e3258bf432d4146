#include "qt/desktop/app_locations.hpp"

#include <gtest/gtest.h>

#include "support/temp_dir.hpp"

namespace fretwise::test {
namespace {

namespace fs = std::filesystem;

using DataDirTest = TempDirTest;

TEST_F(DataDirTest, BuildTreeDataBesideTheProgram) {
    fs::create_directories(dir / "bin" / "share" / "fretwise");
    fs::create_directories(dir / "share" / "fretwise");
    EXPECT_EQ(FindDataDir(dir / "bin"), dir / "bin" / "share" / "fretwise");
}

TEST_F(DataDirTest, InstalledDataBesideTheBinDirectory) {
    fs::create_directories(dir / "share" / "fretwise");
    EXPECT_EQ(FindDataDir(dir / "bin"), dir / "share" / "fretwise");
}

TEST(CommandLineText, ArgumentsJoinedWithoutTheProgram) {
    EXPECT_EQ(CommandLineText({"fretwise"}), "");
    EXPECT_EQ(CommandLineText({"fretwise", "/home/u/My", "chord.fw"}), "/home/u/My chord.fw");
    EXPECT_EQ(CommandLineText({"fretwise", "/tmp/a.fw"}), "/tmp/a.fw");
}

}  // namespace
}  // namespace fretwise::test
