#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "cli/command_list.hpp"
#include "storage/file_messages.hpp"

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
    EXPECT_NE(r.err.find(kErrorSavingFile), std::string::npos);
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

TEST_F(ChordFileCommandsTest, OpenNamesTheChordAsNameDoes) {
    ASSERT_EQ(RunCommand(RunSave, {"xx0232", "-o", file}).status, kExitOk);
    const Result human = RunCommand(RunOpen, {file});
    EXPECT_EQ(human.status, kExitOk) << human.err;
    EXPECT_EQ(human.out.rfind("Frets:     20 ", 0), 0u) << human.out;
    EXPECT_NE(human.out.find("Shape:     xx0232"), std::string::npos) << human.out;
    EXPECT_NE(human.out.find("D major"), std::string::npos) << human.out;

    // Shapes across the neck and every number of frets come back as "name" shows them.
    const std::vector<std::string> shapes = {"x32010",           "320003",       "xx0232",
                                             "133211",           "xxxxxx",       "000000",
                                             "x,12,14,14,13,12", "8 10 10 9 8 8"};
    for (int frets = 5; frets <= 20; frets += 5) {
        for (const std::string& shape : shapes) {
            const std::string n = std::to_string(frets);
            ASSERT_EQ(RunCommand(RunSave, {shape, "-o", file, "--frets", n}).status, kExitOk);
            const Result opened = RunCommand(RunOpen, {file, "--json"});
            const Result named = RunCommand(RunName, {shape, "--frets", n, "--json"});
            ASSERT_EQ(opened.status, kExitOk) << opened.err;
            EXPECT_EQ(opened.out, "{\"numFrets\":" + n + "," + named.out.substr(1)) << shape;
        }
    }
}

TEST_F(ChordFileCommandsTest, OpenReportsABadFile) {
    struct Case {
        const char* name;
        std::string bytes;
        const char* reason;
    };
    const Case cases[] = {
        {"empty.fw", "", "line 1 is missing"},
        {"four.fw", " 20 \r\n 10 \r\n 6 \r\n 13 \r\n", "line 5 is missing"},
        {"big.fw", " 20 \r\n 40000 \r\n", "line 2 is not a number"},
        {"far.fw", " 20 \r\n 8 \r\n 3 \r\n 11 \r\n 6 \r\n 1 \r\n 80 \r\n",
         "line 7 is not a note its string can play (a fret from 0 to 24, or -1)"},
        {"passwd", "root:x:0:0:root:/root:/bin/bash\nbin:x:2:2:bin:/bin:/usr/sbin/nologin\n",
         "line 2 is not a note"},
    };
    for (const Case& c : cases) {
        WriteBytes(dir / c.name, c.bytes);
        const Result r = RunCommand(RunOpen, {(dir / c.name).string()});
        EXPECT_EQ(r.status, kExitFailure);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find(kErrorOpeningFile), std::string::npos) << r.err;
        EXPECT_NE(r.err.find(c.reason), std::string::npos) << r.err;
    }
    for (const fs::path& unreadable : {dir / "missing.fw", dir}) {
        const Result r = RunCommand(RunOpen, {unreadable.string()});
        EXPECT_EQ(r.status, kExitFailure);
        EXPECT_NE(r.err.find(kErrorOpeningFile), std::string::npos) << r.err;
    }
}

TEST_F(ChordFileCommandsTest, OpenRefusesBadArguments) {
    const std::vector<std::vector<std::string>> cases = {
        {}, {"--json"}, {file, file}, {file, "--flat"}};
    for (const auto& args : cases) {
        const Result r = RunCommand(RunOpen, args);
        EXPECT_EQ(r.status, kExitUsage);
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
    EXPECT_EQ(RunCommand(RunOpen, {"--help"}).status, kExitOk);
}

}  // namespace
}  // namespace fretwise::cli
