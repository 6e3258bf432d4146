#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>
#include <vector>

#include "core/sound/synthesis.hpp"
#include "support/cli_run.hpp"
#include "support/temp_dir.hpp"

namespace fretwise::test {
namespace {

using namespace cli;

CliResult RunWavCommand(std::vector<std::string> args) {
    args.insert(args.begin(), "wav");
    return RunCommandLine(args);
}

class WavCommandTest : public TempDirTest {
  protected:
    std::string file = (dir / "c.wav").string();
};

TEST_F(WavCommandTest, RendersWhatThePlayButtonsPlay) {
    const std::vector<double> cMajor = {19, 15, 10, 7, 3};
    const std::tuple<std::vector<std::string>, std::vector<std::uint8_t>> cases[] = {
        {{"x32010", "--strum", "-o", file}, RenderChordWav(cMajor, StrumMode::Strummed)},
        {{"-1,3,2,0,1,0", "--output", file}, RenderChordWav(cMajor, StrumMode::Block)},
        {{"--note", "1.5", "-o", file}, RenderNoteWav(1.5)},
    };
    for (const auto& [args, expected] : cases) {
        const CliResult r = RunWavCommand(args);
        EXPECT_EQ(r.status, kExitOk) << r.err;
        EXPECT_TRUE(Holds(file, expected)) << args[0];
    }
}

TEST_F(WavCommandTest, NothingToRenderOrNowhereToWriteFails) {
    EXPECT_EQ(RunWavCommand({"xxxxxx", "-o", file}).status, kExitFailure);
    EXPECT_FALSE(std::filesystem::exists(file));
    const CliResult r = RunWavCommand({"x32010", "-o", (dir / "no" / "c.wav").string()});
    EXPECT_EQ(r.status, kExitFailure);
    EXPECT_NE(r.err.find("cannot write"), std::string::npos);
}

}  // namespace
}  // namespace fretwise::test
