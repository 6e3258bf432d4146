#include "storage/atomic_file.hpp"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace fretwise {
namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class AtomicFileTest : public ::testing::Test {
  protected:
    fs::path dir =
        fs::temp_directory_path() /
        ("fretwise-atomic-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
         ::testing::UnitTest::GetInstance()->current_test_info()->name());
    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }
    std::size_t FileCount() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), {}));
    }
};

TEST_F(AtomicFileTest, ReplacesALongerFileWholly) {
    const fs::path target = dir / "chord.fw";
    ASSERT_TRUE(WriteFileAtomically(target, std::string(1000, 'a')));
    ASSERT_TRUE(WriteFileAtomically(target, "short"));
    EXPECT_EQ(ReadAll(target), "short");
    EXPECT_EQ(FileCount(), 1u);
}

TEST_F(AtomicFileTest, AFailedWriteLeavesTheOldFileAndNoLeftovers) {
    const fs::path target = dir / "chord.fw";
    ASSERT_TRUE(WriteFileAtomically(target, "old"));
    fs::create_directories(dir / "sub");
    EXPECT_FALSE(WriteFileAtomically(dir / "sub", "cannot replace a directory"));
    EXPECT_FALSE(WriteFileAtomically(dir / "missing" / "x.fw", "no such folder"));
    EXPECT_EQ(ReadAll(target), "old");
    EXPECT_EQ(FileCount(), 2u);  // chord.fw and sub
}

}  // namespace
}  // namespace fretwise
