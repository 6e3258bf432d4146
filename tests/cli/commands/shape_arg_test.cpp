#include "cli/commands/shape_arg.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace fretwise::test {
namespace {

using namespace cli;

ShapeArg Parse(std::vector<std::string> args) {
    return ParseShape(args);
}

TEST(ParseShape, AcceptsTheWrittenForms) {
    const PerString cMajor = {0, 1, 0, 2, 3, -1};  // x32010, stored high E first
    EXPECT_EQ(Parse({"x32010"}).frets, cMajor);
    EXPECT_EQ(Parse({"X32010"}).frets, cMajor);
    EXPECT_EQ(Parse({"x 3 2 0 1 0"}).frets, cMajor);
    EXPECT_EQ(Parse({"x,3,2,0,1,0"}).frets, cMajor);
    EXPECT_EQ(Parse({"-1,3,2,0,1,0"}).frets, cMajor);
    EXPECT_EQ(Parse({"x", "3", "2", "0", "1", "0", "--flats"}).frets, cMajor);
    EXPECT_EQ(Parse({"x", "3", "2", "0", "1", "0"}).consumed, 6);
    EXPECT_EQ(Parse({"12,14,14,13,12,12"}).frets, (PerString{12, 12, 13, 14, 14, 12}));
}

TEST(ParseShape, RejectsWhatIsNotAShape) {
    const std::vector<std::vector<std::string>> bad = {
        {},
        {"x3201"},
        {"x320100"},
        {"x3201a"},
        {"1,2,3,4,5"},
        {"25,0,0,0,0,0"},
        {"-2,0,0,0,0,0"},
        {"1.5,0,0,0,0,0"},
        {"x", "3", "2"},
        {"+1,0,0,0,0,0"},
    };
    for (const auto& args : bad) {
        const ShapeArg shape = Parse(args);
        EXPECT_FALSE(shape.frets.has_value()) << (args.empty() ? "" : args[0]);
        EXPECT_FALSE(shape.error.empty());
    }
}

}  // namespace
}  // namespace fretwise::test
