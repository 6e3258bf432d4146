#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <string>
#include <vector>

#include "cli/qt/qt_commands.hpp"
#include "support/cli_run.hpp"
#include "support/temp_dir.hpp"

namespace fretwise::test {
namespace {

using namespace cli;

class SheetCommandTest : public ::testing::Test {
  protected:
    TempDir dir;
    std::string song = dir.File("song.cho");

    void SetUp() override {
        WriteBytes(song,
                   "{title: Sheet}\n{key: Ab}\n[Ab]la [Db]la [Eb]la\n{soc}\n[Ab]chorus\n{eoc}\n");
    }

    CliResult Sheet(std::vector<std::string> args) {
        args.insert(args.begin(), {"sheet", song});
        return RunCommandLine(args, "", QtCommands());
    }
};

TEST_F(SheetCommandTest, WritesTheFormatOfTheExtension) {
    const std::string png = dir.File("sheet.png");
    ASSERT_EQ(Sheet({"-o", png, "--capo", "auto", "--lyrics"}).status, kExitOk);
    const QImage image(QString::fromStdString(png));
    EXPECT_EQ(image.size(), QSize(1240, 1754));
    // Letter paper is wider and shorter.
    ASSERT_EQ(Sheet({"-o", png, "--paper", "letter", "--left-handed"}).status, kExitOk);
    EXPECT_EQ(QImage(QString::fromStdString(png)).size(), QSize(1275, 1650));

    const std::string svg = dir.File("sheet.SVG");
    ASSERT_EQ(Sheet({"-o", svg, "--transpose", "2"}).status, kExitOk);
    const std::string text = ReadBytes(svg);
    EXPECT_NE(text.find(">Sheet<"), std::string::npos);
    EXPECT_NE(text.find(">Bb<"), std::string::npos);
    EXPECT_NE(text.find(">Eb<"), std::string::npos);

    if (QStandardPaths::findExecutable("pdfinfo").isEmpty()) {
        GTEST_SKIP() << "pdfinfo (poppler-utils) is not installed";
    }
    const std::string pdf = dir.File("sheet.pdf");
    ASSERT_EQ(Sheet({"-o", pdf, "--paper", "letter"}).status, kExitOk);
    QProcess info;
    info.start("pdfinfo", {QString::fromStdString(pdf)});
    ASSERT_TRUE(info.waitForFinished(10000));
    const QString facts = QString::fromUtf8(info.readAllStandardOutput());
    EXPECT_TRUE(facts.contains("612 x 792 pts")) << facts.toStdString();
    EXPECT_TRUE(facts.contains(QRegularExpression("Pages:\\s+1\\n")));
}

TEST_F(SheetCommandTest, BadArgumentsAreStatusTwoAndAnUnreadableSongOne) {
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{},
                                               {"-o", dir.File("sheet.bmp")},
                                               {"-o", dir.File("sheet.pdf"), "--paper", "a5"},
                                               {"-o", dir.File("sheet.pdf"), "--capo", "9"}}) {
        const CliResult r = Sheet(args);
        EXPECT_EQ(r.status, kExitUsage) << r.err;
    }
    song = dir.File("missing.cho");
    const CliResult missing = Sheet({"-o", dir.File("sheet.pdf")});
    EXPECT_EQ(missing.status, kExitFailure);
    EXPECT_EQ(missing.err,
              "fretwise-cli sheet: Error opening file '" + song + "': the file cannot be read\n");
    const CliResult unwritable = Sheet({"-o", dir.File("no/dir/sheet.pdf")});
    EXPECT_EQ(unwritable.status, kExitFailure);
}

}  // namespace
}  // namespace fretwise::test
