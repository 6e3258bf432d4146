#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>
#include <vector>

#include "core/storage/file_messages.hpp"
#include "support/cli_run.hpp"
#include "support/temp_dir.hpp"

namespace fretwise::test {
namespace {

using namespace cli;

class ChordFileCommandsTest : public TempDirTest {
  protected:
    std::string file = (dir / "chord.fw").string();
};

TEST_F(ChordFileCommandsTest, SaveWritesTheChordFile) {
    const std::tuple<std::vector<std::string>, std::string> cases[] = {
        {{"save", "xx0232", "-o", file}, " 20 \r\n 10 \r\n 6 \r\n 13 \r\n 6 \r\n-1 \r\n-1 \r\n"},
        {{"save", "--output", file, "--frets", "7", "x", "3", "2", "0", "1", "0"},
         " 7 \r\n 8 \r\n 4 \r\n 11 \r\n 8 \r\n 4 \r\n-1 \r\n"},
    };
    for (const auto& [args, bytes] : cases) {
        const CliResult r = RunCommandLine(args);
        EXPECT_EQ(r.status, kExitOk) << r.err;
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(ReadBytes(file), bytes);
    }
}

TEST_F(ChordFileCommandsTest, SaveReportsAFileItCannotWrite) {
    const CliResult r = RunCommandLine({"save", "x32010", "-o", (dir / "no" / "such.fw").string()});
    EXPECT_EQ(r.status, kExitFailure);
    EXPECT_NE(r.err.find(kErrorSavingFile), std::string::npos);
}

TEST_F(ChordFileCommandsTest, OpenNamesTheChordAsNameDoes) {
    ASSERT_EQ(RunCommandLine({"save", "xx0232", "-o", file}).status, kExitOk);
    const CliResult human = RunCommandLine({"open", file});
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
            ASSERT_EQ(RunCommandLine({"save", shape, "-o", file, "--frets", n}).status, kExitOk);
            const CliResult opened = RunCommandLine({"open", file, "--json"});
            const CliResult named = RunCommandLine({"name", shape, "--frets", n, "--json"});
            ASSERT_EQ(opened.status, kExitOk) << opened.err;
            EXPECT_EQ(opened.out, "{\"numFrets\":" + n + "," + named.out.substr(1)) << shape;
        }
    }
}

TEST_F(ChordFileCommandsTest, OpenReportsABadFile) {
    const std::tuple<const char*, std::string, const char*> cases[] = {
        {"empty.fw", "", "line 1 is missing"},
        {"four.fw", " 20 \r\n 10 \r\n 6 \r\n 13 \r\n", "line 5 is missing"},
        {"big.fw", " 20 \r\n 40000 \r\n", "line 2 is not a number"},
        {"far.fw", " 20 \r\n 8 \r\n 3 \r\n 11 \r\n 6 \r\n 1 \r\n 80 \r\n",
         "line 7 is not a note its string can play (a fret from 0 to 24, or -1)"},
    };
    for (const auto& [name, bytes, reason] : cases) {
        WriteBytes(dir / name, bytes);
        const CliResult r = RunCommandLine({"open", (dir / name).string()});
        EXPECT_EQ(r.status, kExitFailure);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find(kErrorOpeningFile), std::string::npos) << r.err;
        EXPECT_NE(r.err.find(reason), std::string::npos) << r.err;
    }
    for (const std::filesystem::path& unreadable : {dir / "missing.fw", dir}) {
        const CliResult r = RunCommandLine({"open", unreadable.string()});
        EXPECT_EQ(r.status, kExitFailure);
        EXPECT_NE(r.err.find(kErrorOpeningFile), std::string::npos) << r.err;
    }
}

}  // namespace
}  // namespace fretwise::test
