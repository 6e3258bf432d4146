#include "storage/atomic_file.hpp"

#include <gtest/gtest.h>

#include "support/temp_dir.hpp"

namespace fretwise::test {
namespace {

namespace fs = std::filesystem;

using AtomicFileTest = TempDirTest;

TEST_F(AtomicFileTest, ReplacesALongerFileWholly) {
    const fs::path target = dir / "chord.fw";
    ASSERT_TRUE(WriteFileAtomically(target, std::string(1000, 'a')));
    ASSERT_TRUE(WriteFileAtomically(target, "short"));
    EXPECT_EQ(ReadBytes(target), "short");
    EXPECT_EQ(FileCount(), 1u);
}

TEST_F(AtomicFileTest, AFailedWriteLeavesTheOldFileAndNoLeftovers) {
    const fs::path target = dir / "chord.fw";
    ASSERT_TRUE(WriteFileAtomically(target, "old"));
    fs::create_directories(dir / "sub");
    EXPECT_FALSE(WriteFileAtomically(dir / "sub", "cannot replace a directory"));
    EXPECT_FALSE(WriteFileAtomically(dir / "missing" / "x.fw", "no such folder"));
    EXPECT_EQ(ReadBytes(target), "old");
    EXPECT_EQ(FileCount(), 2u);  // chord.fw and sub
}

}  // namespace
}  // namespace fretwise::test
