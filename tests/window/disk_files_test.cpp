#include "window/disk_files.hpp"

#include <gtest/gtest.h>

#include "support/temp_dir.hpp"

namespace fretwise::test {
namespace {

using DiskFilesTest = TempDirTest;

TEST_F(DiskFilesTest, FirstWriteCreatesTheConfigDirectory) {
    DiskFiles files;
    const std::filesystem::path settings = dir / "config" / "fretwise" / "Settings.ini";
    ASSERT_TRUE(files.WriteAtomically(settings, " 20 \r\n"));
    EXPECT_EQ(ReadBytes(settings), " 20 \r\n");
    const std::unique_ptr<std::istream> in = files.OpenToRead(settings);
    ASSERT_NE(in, nullptr);
    std::string first;
    std::getline(*in, first);
    EXPECT_EQ(first, " 20 \r");
}

TEST_F(DiskFilesTest, MissingFilesCannotBeReadOrRemoved) {
    DiskFiles files;
    EXPECT_EQ(files.OpenToRead(dir / "chord0.wav"), nullptr);
    EXPECT_FALSE(files.Remove(dir / "chord0.wav"));
    ASSERT_TRUE(files.WriteAtomically(dir / "chord0.wav", "RIFF"));
    EXPECT_TRUE(files.Remove(dir / "chord0.wav"));
    EXPECT_FALSE(std::filesystem::exists(dir / "chord0.wav"));
}

}  // namespace
}  // namespace fretwise::test
