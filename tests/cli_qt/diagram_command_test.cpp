#include <gtest/gtest.h>

#include <QFileInfo>
#include <QImageReader>
#include <QTemporaryDir>
#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "cli_qt/qt_commands.hpp"

namespace fretwise::cli {
namespace {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome Diagram(const std::vector<std::string>& args) {
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunDiagram(args, {in, out, err});
    return {status, out.str(), err.str()};
}

class DiagramCommandTest : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    std::string File(const char* name) const { return dir.filePath(name).toStdString(); }
};

TEST_F(DiagramCommandTest, WritesEachKindAtItsSizeInTheFormatOfTheExtension) {
    const struct {
        std::vector<std::string> args;
        const char* file;
        const char* format;
        QSize size;
    } cases[] = {
        {{"133211", "--kind", "chord"}, "f.bmp", "bmp", {313, 465}},
        {{"1 3 3 2 1 1", "--kind", "small", "--flats"}, "f.png", "png", {104, 155}},
        {{"1", "3", "3", "2", "1", "1", "--kind", "notes"}, "f.svg", "svg", {261, 149}},
        {{"--kind", "chord", "x,x,10,12,12,12", "--position", "7", "--frets", "15"},
         "d.PNG",
         "png",
         {313, 465}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = c.args;
        args.insert(args.end(), {"-o", File(c.file)});
        const Outcome run = Diagram(args);
        EXPECT_EQ(run.status, 0) << c.file << ": " << run.err;
        EXPECT_EQ(run.err, "") << c.file;
        QImageReader reader(QString::fromStdString(File(c.file)));
        EXPECT_EQ(reader.format(), c.format) << c.file;
        EXPECT_EQ(reader.size(), c.size) << c.file;
    }
}

TEST_F(DiagramCommandTest, BadArgumentsGiveOneClearLineAndStatus2) {
    const std::string out = File("x.png");
    const std::vector<std::vector<std::string>> cases = {
        {"133211", "-o", out},
        {"133211", "--kind", "big", "-o", out},
        {"133211", "--kind"},
        {"133211", "--kind", "chord"},
        {"133211", "--kind", "chord", "-o", File("x.jpg")},
        {"133211", "--kind", "chord", "-o", File("x")},
        {"13321", "--kind", "chord", "-o", out},
        {"--kind", "chord", "-o", out},
        {"133211", "extra", "--kind", "chord", "-o", out},
        {"133211", "--kind", "chord", "--frets", "4", "-o", out},
        {"133211", "--kind", "chord", "--frets", "21", "-o", out},
        {"133211", "--kind", "chord", "--frets", "eight", "-o", out},
        {"133211", "--kind", "chord", "--position", "13", "-o", out},
        {"133211", "--kind", "chord", "--frets", "8", "--position", "1", "-o", out},
        {"133211", "--kind", "chord", "--position", "-1", "-o", out},
        {"133211", "--kind", "chord", "--colour", "red", "-o", out},
    };
    for (const auto& args : cases) {
        const Outcome run = Diagram(args);
        std::string joined;
        for (const std::string& a : args) {
            joined += a + ' ';
        }
        EXPECT_EQ(run.status, 2) << joined;
        EXPECT_EQ(run.err.rfind("fretwise-cli diagram: ", 0), 0u) << joined << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << joined << run.err;
    }
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(out)));
}

TEST_F(DiagramCommandTest, AFileThatCannotBeWrittenIsAFailure) {
    const Outcome run = Diagram({"133211", "--kind", "chord", "-o", File("missing/f.png")});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("cannot write"), std::string::npos) << run.err;
}

TEST_F(DiagramCommandTest, HelpDescribesTheOptions) {
    const Outcome run = Diagram({"--help"});
    EXPECT_EQ(run.status, 0);
    for (const char* option : {"--kind", "--position", "--frets", "--flats", "-o FILE", ".svg"}) {
        EXPECT_NE(run.out.find(option), std::string::npos) << option;
    }
}

}  // namespace
}  // namespace fretwise::cli
