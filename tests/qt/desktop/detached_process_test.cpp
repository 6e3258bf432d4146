#include "qt/desktop/detached_process.hpp"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <sstream>
#include <thread>

#include "support/temp_dir.hpp"

namespace fretwise::test {
namespace {

using DetachedProcessTest = TempDirTest;

TEST_F(DetachedProcessTest, FindsProgramsOnThePath) {
    EXPECT_EQ(FindOnPath("sh").filename(), "sh");
    EXPECT_EQ(FindOnPath("no-such-program-anywhere"), "");
}

// The started program runs on in a session of its own, so the end of the terminal session
// that started fretwise does not stop it, and it reads and writes nothing of fretwise's.
TEST_F(DetachedProcessTest, RunsInASessionOfItsOwnWithoutInputOrOutput) {
    const std::string report = dir / "report";
    ASSERT_TRUE(StartDetached(
        "/bin/sh", {"-c",
                    "{ cut -d' ' -f6 /proc/$$/stat; readlink "
                    "/proc/$$/fd/0 /proc/$$/fd/2; } > '" +
                        report + ".part' && mv '" + report + ".part' '" + report + "'"}));
    for (int i = 0; i < 100 && !std::filesystem::exists(report); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    std::istringstream lines(ReadBytes(report));
    int session = 0;
    std::string in, err;
    lines >> session >> in >> err;
    EXPECT_NE(session, ::getsid(0));
    EXPECT_EQ(in, "/dev/null");
    EXPECT_EQ(err, "/dev/null");
}

}  // namespace
}  // namespace fretwise::test
