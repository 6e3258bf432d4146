#include <gtest/gtest.h>

#include "cli/qt/qt_commands.hpp"
#include "support/cli_run.hpp"

namespace fretwise::test {
namespace {

using namespace cli;

TEST(PlayCommand, MutedChordPlaysNothing) {
    const CliResult r = RunCommandLine({"play", "xxxxxx"}, "", QtCommands());
    EXPECT_EQ(r.status, kExitFailure);
    EXPECT_EQ(r.err, "fretwise-cli play: every string is muted, there is nothing to play\n");
}

}  // namespace
}  // namespace fretwise::test
