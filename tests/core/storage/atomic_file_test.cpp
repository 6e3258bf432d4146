#include "core/storage/atomic_file.hpp"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include "support/temp_dir.hpp"

namespace fretwise::test {
namespace {

using AtomicFileTest = TempDirTest;

TEST_F(AtomicFileTest, ReplacesALongerFileWholly) {
    const auto target = dir / "chord.fw";
    ASSERT_TRUE(WriteFileAtomically(target, std::string(1000, 'a')));
    ASSERT_TRUE(WriteFileAtomically(target, "short"));
    EXPECT_EQ(ReadBytes(target), "short");
    EXPECT_EQ(FileCount(), 1u);
}

TEST_F(AtomicFileTest, AFailedWriteLeavesTheOldFileAndNoLeftovers) {
    const auto target = dir / "chord.fw";
    ASSERT_TRUE(WriteFileAtomically(target, "old"));
    std::filesystem::create_directories(dir / "sub");
    EXPECT_FALSE(WriteFileAtomically(dir / "sub", "cannot replace a directory"));
    EXPECT_FALSE(WriteFileAtomically(dir / "missing" / "x.fw", "no such folder"));
    EXPECT_FALSE(WriteFileAtomically(dir / "", "no file name"));
    EXPECT_EQ(ReadBytes(target), "old");
    EXPECT_EQ(FileCount(), 2u);  // chord.fw and sub
}

TEST_F(AtomicFileTest, AWriteBrokenOffHalfwayLeavesTheOldFile) {
    const auto target = dir / "keep.fw";
    ASSERT_TRUE(WriteFileAtomically(target, "old"));
    // A child process writes while it may write only a few bytes, so the write breaks off
    // in the middle.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{10, 10};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ::_exit(WriteFileAtomically(target, std::string(100, 'n')) ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1) << "the write must report its failure";
    EXPECT_EQ(ReadBytes(target), "old");
    EXPECT_EQ(FileCount(), 1u) << "no partial or temporary file may remain";
}

}  // namespace
}  // namespace fretwise::test
