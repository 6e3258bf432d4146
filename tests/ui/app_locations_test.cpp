#include "app/app_locations.hpp"

#include <gtest/gtest.h>

#include <filesystem>

namespace fretwise {
namespace {

namespace fs = std::filesystem;

class DataDirTest : public ::testing::Test {
  protected:
    void SetUp() override {
        root_ =
            fs::temp_directory_path() /
            ("fretwise-ui-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
        fs::remove_all(root_);
        fs::create_directories(root_ / "bin");
    }
    void TearDown() override { fs::remove_all(root_); }
    fs::path root_;
};

TEST_F(DataDirTest, BuildTreeDataBesideTheProgram) {
    fs::create_directories(root_ / "bin" / "share" / "fretwise");
    fs::create_directories(root_ / "share" / "fretwise");
    EXPECT_EQ(FindDataDir(root_ / "bin"), root_ / "bin" / "share" / "fretwise");
}

TEST_F(DataDirTest, InstalledDataBesideTheBinDirectory) {
    fs::create_directories(root_ / "share" / "fretwise");
    EXPECT_EQ(FindDataDir(root_ / "bin"), root_ / "share" / "fretwise");
}

TEST(CommandLineText, ArgumentsJoinedWithoutTheProgram) {
    EXPECT_EQ(CommandLineText({"fretwise"}), "");
    EXPECT_EQ(CommandLineText({"fretwise", "/home/u/My", "chord.fw"}), "/home/u/My chord.fw");
    EXPECT_EQ(CommandLineText({"fretwise", "/tmp/a.fw"}), "/tmp/a.fw");
}

}  // namespace
}  // namespace fretwise
