#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "core/sound/synthesis.hpp"
#include "support/cli_run.hpp"
#include "support/temp_dir.hpp"

namespace fretwise::test {
namespace {

using namespace cli;
using nlohmann::json;

class TuningOptionsTest : public TempDirTest {
  protected:
    std::string file = (dir / "chord").string();
};

TEST_F(TuningOptionsTest, NameSaysWhatTheStringsSoundAndWhatTheShapeIs) {
    const CliResult dropD = RunCommandLine({"name", "000232", "--tuning", "drop-d", "--json"});
    ASSERT_EQ(dropD.status, kExitOk) << dropD.err;
    const json d = json::parse(dropD.out);
    EXPECT_EQ(d["names"][0]["symbol"], "D");
    EXPECT_EQ(d["tuning"], "D2,A2,D3,G3,B3,E4");
    EXPECT_EQ(d["capo"], 0);
    EXPECT_FALSE(d.contains("shape_names"));

    const CliResult capo = RunCommandLine({"name", "x02220", "--capo", "2", "--json"});
    const json c = json::parse(capo.out);
    EXPECT_EQ(c["names"][0]["symbol"], "B");
    EXPECT_EQ(c["shape_names"][0]["symbol"], "A");
    EXPECT_EQ(c["capo"], 2);

    const CliResult human =
        RunCommandLine({"name", "x02220", "--capo", "2", "--tuning", "D2,A2,D3,G3,B3,E4"});
    EXPECT_NE(human.out.find("Tuning:    D2,A2,D3,G3,B3,E4 (Drop D)\nCapo:      fret 2\n"),
              std::string::npos)
        << human.out;
    EXPECT_NE(human.out.find("Shape of:  A major  (as played without the capo)"),
              std::string::npos);

    // Standard tuning with no capo, said or not, prints what it always printed.
    const CliResult plain = RunCommandLine({"name", "x32010", "--json"});
    EXPECT_EQ(
        RunCommandLine({"name", "x32010", "--json", "--tuning", "standard", "--capo", "0"}).out,
        plain.out);
    EXPECT_EQ(plain.out.find("tuning"), std::string::npos);
}

TEST_F(TuningOptionsTest, CreateSearchesTheSoundingNotes) {
    const CliResult r = RunCommandLine({"create", "A", "Major", "--capo", "2", "--json"});
    ASSERT_EQ(r.status, kExitOk) << r.err;
    const json j = json::parse(r.out);
    EXPECT_EQ(j["capo"], 2);
    bool gShape = false;
    for (const json& candidate : j["candidates"]) {
        gShape = gShape || candidate["frets"] == json::parse("[3,0,0,0,2,3]");
    }
    EXPECT_TRUE(gShape) << "the G shape sounds A with a capo at the second fret";
}

TEST_F(TuningOptionsTest, SaveOpenWavCarryTheTuning) {
    ASSERT_EQ(
        RunCommandLine({"save", "000232", "--tuning", "drop-d", "--capo", "1", "-o", file}).status,
        kExitOk);
    EXPECT_EQ(ReadBytes(file),
              " 20 \r\n 11 \r\n 7 \r\n 14 \r\n 7 \r\n 2 \r\n 7 \r\n"
              "0,0,0,0,0,-2\r\n 1 \r\n");
    const json opened = json::parse(RunCommandLine({"open", file, "--json"}).out);
    EXPECT_EQ(opened["frets"], json::parse("[2,3,2,0,0,0]"));
    EXPECT_EQ(opened["names"][0]["symbol"], "D#");
    EXPECT_EQ(opened["tuning"], "D2,A2,D3,G3,B3,E4");
    EXPECT_EQ(opened["capo"], 1);

    // The open strings of Open G sound as a G major chord: D2 G2 D3 G3 B3 D4.
    ASSERT_EQ(RunCommandLine({"wav", "000000", "--tuning", "open-g", "-o", file}).status, kExitOk);
    EXPECT_TRUE(Holds(file, RenderChordWav({17, 14, 10, 5, -2, -7}, StrumMode::Block)));
}

TEST_F(TuningOptionsTest, BadValuesNameTheBadText) {
    const struct {
        std::vector<std::string> args;
        std::string message;
    } faults[] = {
        // The reader's own messages are checked with the reader; here, that they reach the user.
        {{"save", "x32010", "--tuning", "A1,A2,D3,G3,B3,E4", "-o", file},
         "fretwise-cli save: --tuning 'A1': the low E string takes B1-G#2"},
        {{"wav", "x32010", "--capo", "8", "-o", file},
         "fretwise-cli wav: --capo '8': not a fret from 0 to 7"},
        {{"name", "x32010", "--capo", "-1"},
         "fretwise-cli name: --capo '-1': not a fret from 0 to 7"},
    };
    for (const auto& fault : faults) {
        const CliResult r = RunCommandLine(fault.args);
        EXPECT_EQ(r.status, kExitUsage) << fault.message;
        EXPECT_EQ(r.err, fault.message + '\n');
    }
    EXPECT_EQ(FileCount(), 0u);
}

}  // namespace
}  // namespace fretwise::test
