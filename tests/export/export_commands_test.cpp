#include "export/export_commands.hpp"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QTemporaryDir>

#include "export/fakes.hpp"
#include "storage/file_messages.hpp"

namespace fretwise {
namespace {

using Strings = std::vector<std::string>;

constexpr DiagramKind kKinds[] = {DiagramKind::Chord, DiagramKind::Small, DiagramKind::Notes};

class ExportCommandsTest : public ::testing::Test {
  protected:
    FakeSource source;
    FakeDialogs dialogs;
    FakeAlerts alerts{dialogs.events};
    FakePrinter printer;
    ExportCommands commands{source, dialogs, alerts, printer};
    QTemporaryDir dir;

    std::string PathIn(const char* name) const { return dir.filePath(name).toStdString(); }
};

TEST_F(ExportCommandsTest, CopyPutsEachPictureOnTheClipboardAtItsSize) {
    const QSize sizes[] = {{313, 465}, {104, 155}, {261, 149}};
    for (int index = 0; index < 3; ++index) {
        QGuiApplication::clipboard()->clear();
        commands.CopyDiagram(kKinds[index]);
        EXPECT_EQ(QGuiApplication::clipboard()->image().size(), sizes[index]) << index;
    }
    EXPECT_TRUE(dialogs.saveOffers.empty());
    EXPECT_TRUE(dialogs.events.empty());
}

TEST_F(ExportCommandsTest, SaveOffersTheFrameCaptionAndAddsTheBitmapExtension) {
    const QSize sizes[] = {{313, 465}, {104, 155}, {261, 149}};
    for (int index = 0; index < 3; ++index) {
        const std::string name = PathIn("diagram") + std::to_string(index);
        dialogs.saveAnswer = name;
        commands.SaveDiagram(kKinds[index]);
        QImageReader reader(QString::fromStdString(name + ".bmp"));
        EXPECT_EQ(reader.format(), "bmp") << index;
        EXPECT_EQ(reader.size(), sizes[index]) << index;
    }
    EXPECT_EQ(dialogs.saveOffers, Strings(3, "F major | Bitmap|*.bmp"));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ExportCommandsTest, SaveWritesPngOrSvgWhenTheNameAsksForIt) {
    dialogs.saveAnswer = PathIn("F.png");
    commands.SaveDiagram(DiagramKind::Small);
    EXPECT_EQ(QImageReader(dir.filePath("F.png")).format(), "png");
    dialogs.saveAnswer = PathIn("F.svg");
    commands.SaveDiagram(DiagramKind::Notes);
    EXPECT_EQ(QImageReader(dir.filePath("F.svg")).format(), "svg");
    EXPECT_TRUE(dialogs.messages.empty());
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
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.bmp"));
    for (const auto& c : cases) {
        dialogs.messages.clear();
        dialogs.saveAnswer = c.answer;
        commands.SaveDiagram(DiagramKind::Chord);
        EXPECT_EQ(dialogs.messages, c.messages) << c.answer.value_or("(cancel)");
    }
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("F major.bmp")));
}

TEST_F(ExportCommandsTest, PrintAsksForCopiesAndPrintsThatManyWithTheHourglass) {
    const struct {
        std::string answer;
        int copies;
    } cases[] = {{"1", 1}, {"2", 2}, {"10", 10}, {"3 copies", 3}};
    for (const auto& c : cases) {
        dialogs.events.clear();
        printer.jobs.clear();
        dialogs.inputAnswer = c.answer;
        commands.PrintDiagram(PrintKind::ChordDiagram);
        EXPECT_EQ(printer.jobs, std::vector<int>{c.copies}) << c.answer;
        EXPECT_EQ(dialogs.events, (Strings{"busy", "idle"})) << c.answer;
    }
    commands.PrintDiagram(PrintKind::NoteDiagram);
    EXPECT_EQ(dialogs.inputs.back(), "Enter number of copies (0 to cancel print)... | Print | 1");
}

TEST_F(ExportCommandsTest, RefusedAnswersBeepSayPrintCancelledAndPrintNothing) {
    const std::optional<std::string> refused[] = {"0", "11", "-1", "2.5", "abc", "", std::nullopt};
    for (const auto& answer : refused) {
        dialogs.events.clear();
        dialogs.inputAnswer = answer;
        commands.PrintDiagram(PrintKind::NoteDiagram);
        EXPECT_EQ(dialogs.events, (Strings{"beep", "alert: Print cancelled | Print"}))
            << answer.value_or("(cancel)");
    }
    EXPECT_TRUE(printer.jobs.empty());
}

TEST_F(ExportCommandsTest, APrinterFailureResetsTheHourglassThenReportsTheError) {
    printer.works = false;
    dialogs.inputAnswer = "2";
    commands.PrintDiagram(PrintKind::ChordDiagram);
    EXPECT_EQ(dialogs.events, (Strings{"busy", "idle", "beep",
                                       "alert: Error printing chord! - Print cancelled | Print"}));
}

}  // namespace
}  // namespace fretwise
