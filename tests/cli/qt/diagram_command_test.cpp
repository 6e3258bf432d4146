#include <gtest/gtest.h>

#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <string>
#include <tuple>
#include <vector>

#include "cli/qt/qt_commands.hpp"
#include "support/cli_run.hpp"
#include "support/temp_dir.hpp"

namespace fretwise::test {
namespace {

using namespace cli;

CliResult Diagram(std::vector<std::string> args) {
    args.insert(args.begin(), "diagram");
    return RunCommandLine(args, "", QtCommands());
}

class DiagramCommandTest : public ::testing::Test {
  protected:
    TempDir dir;
    std::string File(const char* name) const { return dir.File(name); }
};

TEST_F(DiagramCommandTest, WritesEachKindAtItsSizeInTheFormatOfTheExtension) {
    const std::tuple<std::vector<std::string>, const char*, const char*, QSize> cases[] = {
        {{"133211", "--kind", "chord"}, "f.bmp", "bmp", {313, 465}},
        {{"1 3 3 2 1 1", "--kind", "small", "--flats"}, "f.png", "png", {104, 155}},
        {{"1", "3", "3", "2", "1", "1", "--kind", "notes"}, "f.svg", "svg", {261, 149}},
        {{"--kind", "chord", "x,x,10,12,12,12", "--position", "7", "--frets", "15"},
         "d.PNG",
         "png",
         {313, 465}},
    };
    for (auto [args, file, format, size] : cases) {
        args.insert(args.end(), {"-o", File(file)});
        const CliResult run = Diagram(args);
        EXPECT_EQ(run.status, 0) << file << ": " << run.err;
        EXPECT_EQ(run.err, "") << file;
        QImageReader reader(QString::fromStdString(File(file)));
        EXPECT_EQ(reader.format(), format) << file;
        EXPECT_EQ(reader.size(), size) << file;
    }
}

// The left-handed chord diagram is the right-handed one mirrored about the middle of the
// strings, pixel column x becoming 290 - x (the strings at 45 and 245 trade places); only the
// finger numbers, which are not mirrored, differ.
TEST_F(DiagramCommandTest, LeftHandedDiagramIsTheMirrorImage) {
    ASSERT_EQ(Diagram({"x32010", "--kind", "chord", "-o", File("r.png")}).status, 0);
    ASSERT_EQ(Diagram({"x32010", "--kind", "chord", "--left-handed", "-o", File("l.png")}).status,
              0);
    const QImage right(QString::fromStdString(File("r.png")));
    const QImage left(QString::fromStdString(File("l.png")));
    int differing = 0;
    for (int y = 50; y < right.height(); ++y) {  // below the string names
        for (int x = 40; x <= 250; ++x) {
            differing += qGray(right.pixel(x, y)) / 128 != qGray(left.pixel(290 - x, y)) / 128;
        }
    }
    EXPECT_GT(differing, 0);
    EXPECT_LT(differing, 200);
}

TEST_F(DiagramCommandTest, ACapoIsABarAtTheNutOfTheChordDiagram) {
    ASSERT_EQ(Diagram({"320003", "--kind", "chord", "--capo", "2", "-o", File("c.png")}).status, 0);
    ASSERT_EQ(Diagram({"320003", "-o", File("n.png")}).status, 0);  // the chord by default
    const QImage capo(QString::fromStdString(File("c.png")));
    const QImage plain(QString::fromStdString(File("n.png")));
    EXPECT_EQ(plain.size(), capo.size());
    EXPECT_LT(qGray(capo.pixel(150, 53)), 100);
    EXPECT_GT(qGray(plain.pixel(150, 53)), 100);
}

TEST_F(DiagramCommandTest, EachFaultGivesItsOneLineAndStatus2) {
    const std::string out = File("x.png");
    const std::tuple<std::vector<std::string>, std::string> faults[] = {
        {{"133211", "--kind", "big", "-o", out}, "--kind must be chord, small or notes, not 'big'"},
        {{"133211", "--kind", "chord"}, "-o FILE is needed"},
        {{"133211", "--kind", "chord", "-o", "x.jpg"},
         "the file must end in .bmp, .png or .svg: x.jpg"},
        {{"133211", "--kind", "chord", "--frets", "eight", "-o", out},
         "--frets: 'eight' is not a whole number"},
        {{"133211", "--kind", "chord", "--position", "-1", "-o", out},
         "--position: '-1' is not a whole number"},
    };
    for (const auto& [args, message] : faults) {
        const CliResult run = Diagram(args);
        EXPECT_EQ(run.status, kExitUsage) << message;
        EXPECT_EQ(run.err, "fretwise-cli diagram: " + message + '\n');
    }
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(out)));
}

TEST_F(DiagramCommandTest, AFileThatCannotBeWrittenIsAFailure) {
    const CliResult run = Diagram({"133211", "--kind", "chord", "-o", File("missing/f.png")});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("cannot write"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace fretwise::test
