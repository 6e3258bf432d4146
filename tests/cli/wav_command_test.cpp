#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "cli/command_list.hpp"
#include "sound/synthesis.hpp"

namespace fretwise::cli {
namespace {

namespace fs = std::filesystem;

struct Result {
    int status;
    std::string out, err;
};

Result RunWavCommand(std::vector<std::string> args) {
    std::istringstream in;
    std::ostringstream out, err;
    const int status = RunWav(args, {in, out, err});
    return {status, out.str(), err.str()};
}

class WavCommandTest : public ::testing::Test {
  protected:
    fs::path dir =
        fs::temp_directory_path() /
        ("fretwise-wav-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
         ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::string file = (dir / "c.wav").string();
    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }

    bool FileHolds(const std::vector<std::uint8_t>& bytes) const {
        std::ifstream in(file, std::ios::binary);
        const std::vector<char> read((std::istreambuf_iterator<char>(in)), {});
        return std::equal(read.begin(), read.end(), bytes.begin(), bytes.end(),
                          [](char a, std::uint8_t b) { return static_cast<std::uint8_t>(a) == b; });
    }
};

TEST_F(WavCommandTest, RendersWhatThePlayButtonsPlay) {
    const std::vector<double> cMajor = {19, 15, 10, 7, 3};
    struct Case {
        std::vector<std::string> args;
        std::vector<std::uint8_t> expected;
    };
    const Case cases[] = {
        {{"x32010", "--strum", "-o", file}, RenderChordWav(cMajor, StrumMode::Strummed)},
        {{"-o", file, "x", "3", "2", "0", "1", "0"}, RenderChordWav(cMajor, StrumMode::Block)},
        {{"-1,3,2,0,1,0", "--output", file}, RenderChordWav(cMajor, StrumMode::Block)},
        {{"--note", "12", "-o", file}, RenderNoteWav(12)},
        {{"--note", "-20", "-o", file}, RenderNoteWav(-20)},
        {{"--note", "1.5", "-o", file}, RenderNoteWav(1.5)},
        // Open high E and B string at fret 5 sound the same note: it is rendered once.
        {{"x00050", "--strum", "-o", file}, RenderChordWav({19, 10, 5, 0}, StrumMode::Strummed)},
    };
    for (const Case& c : cases) {
        const Result r = RunWavCommand(c.args);
        EXPECT_EQ(r.status, kExitOk) << r.err;
        EXPECT_TRUE(FileHolds(c.expected)) << c.args[0];
    }
}

TEST_F(WavCommandTest, BadArgumentsGiveOneLineAndStatusTwo) {
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"x32010"},
        {"x32010", "-o"},
        {"x3201", "-o", file},
        {"x32010", "x", "-o", file},
        {"x32010", "--loud", "-o", file},
        {"--note", "-o", file},
        {"--note", "abc", "-o", file},
        {"--note", "1000", "-o", file},
        {"--note", "nan", "-o", file},
        {"--note", "12", "x32010", "-o", file},
        {"--note", "12", "--strum", "-o", file},
        {"--note"},
    };
    for (const auto& args : cases) {
        const Result r = RunWavCommand(args);
        EXPECT_EQ(r.status, kExitUsage) << (args.empty() ? "" : args[0]);
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
    EXPECT_FALSE(fs::exists(file));
}

TEST_F(WavCommandTest, NothingToRenderOrNowhereToWriteFails) {
    EXPECT_EQ(RunWavCommand({"xxxxxx", "-o", file}).status, kExitFailure);
    EXPECT_FALSE(fs::exists(file));
    const Result r = RunWavCommand({"x32010", "-o", (dir / "no" / "c.wav").string()});
    EXPECT_EQ(r.status, kExitFailure);
    EXPECT_NE(r.err.find("cannot write"), std::string::npos);
}

TEST_F(WavCommandTest, HelpDescribesBothForms) {
    const Result r = RunWavCommand({"--help"});
    EXPECT_EQ(r.status, kExitOk);
    EXPECT_NE(r.out.find("--note N"), std::string::npos);
    EXPECT_NE(r.out.find("--strum"), std::string::npos);
}

}  // namespace
}  // namespace fretwise::cli
