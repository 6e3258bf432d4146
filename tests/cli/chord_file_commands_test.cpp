#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "cli/command_list.hpp"

namespace fretwise::cli {
namespace {

namespace fs = std::filesystem;

struct Result {
    int status;
    std::string out, err;
};

Result RunCommand(CommandFn command, std::vector<std::string> args) {
    std::istringstream in;
    std::ostringstream out, err;
    const int status = command(args, {in, out, err});
    return {status, out.str(), err.str()};
}

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class ChordFileCommandsTest : public ::testing::Test {
  protected:
    fs::path dir = fs::temp_directory_path() /
                   ("fretwise-cli-fw-" + std::to_string(::getpid()) + "-" +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::string file = (dir / "chord.fw").string();
    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }
};

TEST_F(ChordFileCommandsTest, SaveWritesTheChordFile) {
    struct Case {
        std::vector<std::string> args;
        std::string bytes;
    };
    const Case cases[] = {
        {{"xx0232", "-o", file}, " 20 \r\n 10 \r\n 6 \r\n 13 \r\n 6 \r\n-1 \r\n-1 \r\n"},
        {{"--output", file, "--frets", "7", "x", "3", "2", "0", "1", "0"},
         " 7 \r\n 8 \r\n 4 \r\n 11 \r\n 8 \r\n 4 \r\n-1 \r\n"},
        {{"-1,12,14,14,13,12", "-o", file, "--frets", "20"},
         " 20 \r\n 20 \r\n 16 \r\n 25 \r\n 20 \r\n 13 \r\n-1 \r\n"},
    };
    for (const Case& c : cases) {
        const Result r = RunCommand(RunSave, c.args);
        EXPECT_EQ(r.status, kExitOk) << r.err;
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(ReadBytes(file), c.bytes);
    }
}

TEST_F(ChordFileCommandsTest, SaveRefusesBadArgumentsWithOneLine) {
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"x32010"},
        {"x32010", "-o"},
        {"x3201", "-o", file},
        {"x32010", "-o", file, "--frets", "4"},
        {"x32010", "-o", file, "--frets", "21"},
        {"x32010", "-o", file, "--frets", "7.5"},
        {"x32010", "-o", file, "--loud"},
        {"x32010", "x32010", "-o", file},
    };
    for (const auto& args : cases) {
        const Result r = RunCommand(RunSave, args);
        EXPECT_EQ(r.status, kExitUsage);
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_FALSE(fs::exists(file));
    }
    EXPECT_EQ(RunCommand(RunSave, {"--help"}).status, kExitOk);
}

TEST_F(ChordFileCommandsTest, SaveReportsAFileItCannotWrite) {
    const Result r = RunCommand(RunSave, {"x32010", "-o", (dir / "no" / "such.fw").string()});
    EXPECT_EQ(r.status, kExitFailure);
    EXPECT_NE(r.err.find("Error saving file"), std::string::npos);
}

}  // namespace
}  // namespace fretwise::cli
