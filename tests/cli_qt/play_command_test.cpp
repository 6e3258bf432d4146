#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <vector>

#include "cli_qt/qt_commands.hpp"

namespace fretwise::cli {
namespace {

struct Result {
    int status;
    std::string out, err;
};

Result RunPlayCommand(std::vector<std::string> args) {
    std::istringstream in;
    std::ostringstream out, err;
    const int status = RunPlay(args, {in, out, err});
    return {status, out.str(), err.str()};
}

TEST(PlayCommand, BadArgumentsGiveOneLineAndStatusTwo) {
    const std::vector<std::vector<std::string>> cases = {
        {}, {"x3201"}, {"x32010", "-o", "c.wav"}, {"--note"}, {"--note", "12", "x32010"}};
    for (const auto& args : cases) {
        const Result r = RunPlayCommand(args);
        EXPECT_EQ(r.status, kExitUsage);
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
}

TEST(PlayCommand, MutedChordPlaysNothing) {
    EXPECT_EQ(RunPlayCommand({"xxxxxx"}).status, kExitFailure);
}

// With a sound device the note is heard and the command waits for its end; without one it
// fails with one line. Either way it neither crashes nor hangs.
TEST(PlayCommand, PlaysOrFailsQuietly) {
    const Result r = RunPlayCommand({"--note", "12"});
    EXPECT_TRUE(r.status == kExitOk || r.status == kExitFailure);
    EXPECT_LE(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
}

TEST(PlayCommand, IsListedWithHelp) {
    const auto commands = QtCommands();
    EXPECT_TRUE(std::any_of(commands.begin(), commands.end(),
                            [](const Command& c) { return c.name == "play"; }));
    const Result r = RunPlayCommand({"--help"});
    EXPECT_EQ(r.status, kExitOk);
    EXPECT_NE(r.out.find("SHAPE [--strum]"), std::string::npos);
}

}  // namespace
}  // namespace fretwise::cli
