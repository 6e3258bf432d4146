#include "qt/export/export_commands.hpp"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QImageReader>
#include <tuple>

#include "core/storage/file_messages.hpp"
#include "support/export_fakes.hpp"
#include "support/fakes.hpp"
#include "support/temp_dir.hpp"

namespace fretwise::test {
namespace {

using Strings = std::vector<std::string>;

constexpr DiagramKind kKinds[] = {DiagramKind::Chord, DiagramKind::Small, DiagramKind::Notes};
constexpr const char* kAskCopies = "input Enter number of copies (0 to cancel print)...|Print|1";

class ExportCommandsTest : public ::testing::Test {
  protected:
    FakeSource source;
    FakeDialogs dialogs;
    FakeAlerts alerts{dialogs.log};
    FakePrinter printer;
    ExportCommands commands{source, dialogs, alerts, printer};
    TempDir dir;

    QSize SizeOf(const std::string& file) const {
        return QImageReader(QString::fromStdString(dir.File(file))).size();
    }
};

TEST_F(ExportCommandsTest, CopyAndSaveTakeThePictureOfTheirKind) {
    for (DiagramKind kind : kKinds) {
        QGuiApplication::clipboard()->clear();
        commands.CopyDiagram(kind);
        EXPECT_EQ(QGuiApplication::clipboard()->image().size(), DiagramSize(kind));

        const std::string name = "diagram" + std::to_string(static_cast<int>(kind));
        dialogs.answers = {dir.File(name)};
        commands.SaveDiagram(kind);
        EXPECT_EQ(SizeOf(name + ".bmp"), DiagramSize(kind));  // a bare name becomes a bitmap
    }
    EXPECT_EQ(dialogs.log, Strings(3, "save F major|Bitmap|*.bmp"));
}

TEST_F(ExportCommandsTest, SaveWritesPngOrSvgWhenTheNameAsksForIt) {
    dialogs.answers = {dir.File("F.svg")};
    commands.SaveDiagram(DiagramKind::Notes);
    EXPECT_EQ(QImageReader(QString::fromStdString(dir.File("F.svg"))).format(), "svg");
    EXPECT_TRUE(dialogs.Messages().empty());
}

TEST_F(ExportCommandsTest, SaveCancelIsSilentAndBadNamesOrWritesSayErrorSavingFile) {
    const Strings error{std::string(kErrorSavingFile)};
    const std::tuple<std::optional<std::string>, Strings> cases[] = {
        {std::nullopt, {}},
        {"", error},
        {"F major", error},  // the offered name, unchanged
        {dir.File("missing/F.bmp"), error},
        {dir.File("folder.bmp"), error},
    };
    std::filesystem::create_directory(dir.path() / "folder.bmp");
    for (const auto& [answer, messages] : cases) {
        dialogs.log.clear();
        dialogs.answers = {answer};
        commands.SaveDiagram(DiagramKind::Chord);
        EXPECT_EQ(dialogs.Messages(), messages) << answer.value_or("(cancel)");
    }
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "F major.bmp"));
}

TEST_F(ExportCommandsTest, PrintAsksForCopiesAndPrintsThatManyUnderTheHourglass) {
    dialogs.answers = {"3 copies", "1"};
    commands.PrintDiagram(PrintKind::ChordDiagram);
    commands.PrintDiagram(PrintKind::NoteDiagram);
    EXPECT_EQ(printer.jobs, (std::vector<int>{3, 1}));
    EXPECT_EQ(dialogs.log, (Strings{kAskCopies, "busy", "idle", kAskCopies, "busy", "idle"}));
}

TEST_F(ExportCommandsTest, ARefusedAnswerOrAFailedPrinterBeepsAndSaysSo) {
    const Strings refused{kAskCopies, "beep", "alert Print cancelled|Print"};
    dialogs.answers = {"11", std::nullopt};
    commands.PrintDiagram(PrintKind::NoteDiagram);
    commands.PrintDiagram(PrintKind::NoteDiagram);
    EXPECT_EQ(dialogs.log,
              (Strings{refused[0], refused[1], refused[2], refused[0], refused[1], refused[2]}));
    EXPECT_TRUE(printer.jobs.empty());

    printer.works = false;
    dialogs.log.clear();
    dialogs.answers = {"2"};
    commands.PrintDiagram(PrintKind::ChordDiagram);
    EXPECT_EQ(dialogs.log, (Strings{kAskCopies, "busy", "idle", "beep",
                                    "alert Error printing chord! - Print cancelled|Print"}));
}

}  // namespace
}  // namespace fretwise::test
