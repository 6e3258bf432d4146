#include "export/export_commands.hpp"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QImageReader>

#include "storage/file_messages.hpp"
#include "support/export_fakes.hpp"
#include "support/fakes.hpp"
#include "support/temp_dir.hpp"

namespace fretwise::test {
namespace {

using Strings = std::vector<std::string>;

constexpr const char* kAskCopies = "input Enter number of copies (0 to cancel print)...|Print|1";
constexpr DiagramKind kKinds[] = {DiagramKind::Chord, DiagramKind::Small, DiagramKind::Notes};

class ExportCommandsTest : public ::testing::Test {
  protected:
    FakeSource source;
    FakeDialogs dialogs;
    FakeAlerts alerts{dialogs.log};
    FakePrinter printer;
    ExportCommands commands{source, dialogs, alerts, printer};
    TempDir dir;

    std::string PathIn(const char* name) const { return (dir.path() / name).string(); }
    QString QtPathIn(const char* name) const { return QString::fromStdString(PathIn(name)); }
};

TEST_F(ExportCommandsTest, CopyPutsEachPictureOnTheClipboardAtItsSize) {
    const QSize sizes[] = {{313, 465}, {104, 155}, {261, 149}};
    for (int index = 0; index < 3; ++index) {
        QGuiApplication::clipboard()->clear();
        commands.CopyDiagram(kKinds[index]);
        EXPECT_EQ(QGuiApplication::clipboard()->image().size(), sizes[index]) << index;
    }
    EXPECT_TRUE(dialogs.log.empty());
}

TEST_F(ExportCommandsTest, SaveOffersTheFrameCaptionAndAddsTheBitmapExtension) {
    const QSize sizes[] = {{313, 465}, {104, 155}, {261, 149}};
    for (int index = 0; index < 3; ++index) {
        const std::string name = PathIn("diagram") + std::to_string(index);
        dialogs.answers = {name};
        commands.SaveDiagram(kKinds[index]);
        QImageReader reader(QString::fromStdString(name + ".bmp"));
        EXPECT_EQ(reader.format(), "bmp") << index;
        EXPECT_EQ(reader.size(), sizes[index]) << index;
    }
    EXPECT_EQ(dialogs.log, Strings(3, "save F major|Bitmap|*.bmp"));
}

TEST_F(ExportCommandsTest, SaveWritesPngOrSvgWhenTheNameAsksForIt) {
    dialogs.answers = {PathIn("F.png"), PathIn("F.svg")};
    commands.SaveDiagram(DiagramKind::Small);
    EXPECT_EQ(QImageReader(QtPathIn("F.png")).format(), "png");
    commands.SaveDiagram(DiagramKind::Notes);
    EXPECT_EQ(QImageReader(QtPathIn("F.svg")).format(), "svg");
    EXPECT_TRUE(dialogs.Messages().empty());
}

TEST_F(ExportCommandsTest, SaveCancelIsSilentAndBadNamesOrWritesSayErrorSavingFile) {
    const Strings error{std::string(kErrorSavingFile)};
    const struct {
        std::optional<std::string> answer;
        Strings messages;
    } cases[] = {
        {std::nullopt, {}},
        {"", error},
        {"F major", error},  // the offered name, unchanged
        {PathIn("missing/F.bmp"), error},
        {PathIn("folder.bmp"), error},
    };
    std::filesystem::create_directory(dir.path() / "folder.bmp");
    for (const auto& c : cases) {
        dialogs.log.clear();
        dialogs.answers = {c.answer};
        commands.SaveDiagram(DiagramKind::Chord);
        EXPECT_EQ(dialogs.Messages(), c.messages) << c.answer.value_or("(cancel)");
    }
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "F major.bmp"));
}

TEST_F(ExportCommandsTest, PrintAsksForCopiesAndPrintsThatManyWithTheHourglass) {
    const struct {
        std::string answer;
        int copies;
    } cases[] = {{"1", 1}, {"2", 2}, {"10", 10}, {"3 copies", 3}};
    for (const auto& c : cases) {
        dialogs.log.clear();
        printer.jobs.clear();
        dialogs.answers = {c.answer};
        commands.PrintDiagram(PrintKind::ChordDiagram);
        EXPECT_EQ(printer.jobs, std::vector<int>{c.copies}) << c.answer;
        EXPECT_EQ(dialogs.log, (Strings{kAskCopies, "busy", "idle"})) << c.answer;
    }
}

TEST_F(ExportCommandsTest, RefusedAnswersBeepSayPrintCancelledAndPrintNothing) {
    const std::optional<std::string> refused[] = {"0", "11", "-1", "2.5", "abc", "", std::nullopt};
    for (const auto& answer : refused) {
        dialogs.log.clear();
        dialogs.answers = {answer};
        commands.PrintDiagram(PrintKind::NoteDiagram);
        EXPECT_EQ(dialogs.log, (Strings{kAskCopies, "beep", "alert Print cancelled|Print"}))
            << answer.value_or("(cancel)");
    }
    EXPECT_TRUE(printer.jobs.empty());
}

TEST_F(ExportCommandsTest, APrinterFailureResetsTheHourglassThenReportsTheError) {
    printer.works = false;
    dialogs.answers = {"2"};
    commands.PrintDiagram(PrintKind::ChordDiagram);
    EXPECT_EQ(dialogs.log, (Strings{kAskCopies, "busy", "idle", "beep",
                                    "alert Error printing chord! - Print cancelled|Print"}));
}

}  // namespace
}  // namespace fretwise::test
