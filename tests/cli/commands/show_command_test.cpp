#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "support/cli_run.hpp"

namespace fretwise::test {
namespace {

using namespace cli;

using nlohmann::json;

CliResult Show(std::vector<std::string> args, const std::string& input = "") {
    args.insert(args.begin(), "show");
    return RunCommandLine(args, input);
}

json ShowJson(std::vector<std::string> args) {
    args.push_back("--json");
    const CliResult r = Show(args);
    EXPECT_EQ(r.status, kExitOk) << r.err;
    return json::parse(r.out);
}

TEST(ShowCommand, OpenEMajorAsTheWindowShowsIt) {
    const json d = ShowJson({"022100"});
    EXPECT_EQ(d["staff"]["heads"][5], json({{"left", 1800}, {"top", 1680}}));
    EXPECT_EQ(d["staff"]["lower_ledgers"], 3);
    EXPECT_EQ(d["staff"]["upper_ledgers"], 0);
    EXPECT_EQ(d["staff"]["accidentals"][2]["text"], "#");
    EXPECT_EQ(d["staff"]["fingers"][0], nullptr);
    EXPECT_EQ(d["staff"]["fingers"][2]["text"], "1");

    EXPECT_EQ(d["panel"]["frame"], "E major");
    EXPECT_EQ(d["panel"]["thirds"], "Thirds: 1");
    EXPECT_EQ(d["panel"]["enabled"], json({true, true, true, true, true}));
    EXPECT_EQ(d["panel"]["scroll"], json({{"max", 0}, {"value", 0}, {"enabled", false}}));
    EXPECT_EQ(d["string_labels"], json({"E", "B", "G#", "E", "B", "E"}));
    EXPECT_EQ(d["strings_dashed"], json({false, false, false, false, false, false}));
    EXPECT_EQ(d["markers"][2], json({{"visible", true}, {"top", 960}}));
    EXPECT_EQ(d["markers"][0]["visible"], false);
    EXPECT_EQ(d["finger_labels"][2], "1");
    EXPECT_EQ(d["fret_label"], json({{"caption", "5"}, {"top", 4320}}));
    EXPECT_EQ(d["bar"]["visible"], false);
}

TEST(ShowCommand, OptionsReachTheWindow) {
    const json barre = ShowJson({"133211"});
    EXPECT_EQ(barre["bar"], json({{"visible", true}, {"y", 1200}, {"x1", 675}, {"x2", 3675}}));

    const json scrolled = ShowJson({"133211", "--position", "5"});
    EXPECT_EQ(scrolled["fret_label"], json({{"caption", "5th fret"}, {"top", 720}}));
    EXPECT_EQ(scrolled["markers"][0]["visible"], false);
    EXPECT_EQ(scrolled["staff"]["fingers"][0]["text"], "");

    const json flats = ShowJson({"x", "x", "6", "6", "6", "4", "--flats"});  // Db major
    EXPECT_EQ(flats["string_labels"], json({"Ab", "F", "Db", "Ab", "x", "x"}));
    EXPECT_EQ(flats["panel"]["frame"], "Db major");
    EXPECT_EQ(flats["strings_dashed"][5], true);

    const json mirrored = ShowJson({"133211", "--left-handed"});
    EXPECT_EQ(mirrored["bar"], json({{"visible", true}, {"y", 1200}, {"x1", 675}, {"x2", 3675}}));
    EXPECT_EQ(mirrored["left_handed"]["string_x"], json({675, 1275, 1875, 2475, 3075, 3675}));
    EXPECT_EQ(mirrored["markers"], barre["markers"]);
    EXPECT_FALSE(barre.contains("left_handed"));
    const CliResult human = Show({"x32010", "--left-handed"});
    EXPECT_NE(human.out.find("Mirrored:   3675 3075 2475 1875 1275 675  (string x, low E string "
                             "first)\n"),
              std::string::npos)
        << human.out;

    EXPECT_EQ(ShowJson({"x02010", "--root", "A"})["panel"]["frame"], "A minor seventh");
    EXPECT_EQ(ShowJson({"x02010", "--root", "C"})["panel"]["frame"], "C sixth");
}

}  // namespace
}  // namespace fretwise::test
