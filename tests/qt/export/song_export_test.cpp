#include "qt/export/song_export.hpp"

#include <gtest/gtest.h>

#include <QImageReader>
#include <QPushButton>
#include <QTest>

#include "faked_window.hpp"
#include "qt/ui/main_window.hpp"
#include "qt/ui/song_window.hpp"
#include "support/export_fakes.hpp"
#include "support/fakes.hpp"
#include "support/temp_dir.hpp"
#include "window/commands.hpp"
#include "window/song_commands.hpp"

namespace fretwise::test {
namespace {

// Records the sheets it is given and answers as told.
class FakeSheetPrinter : public SheetPrinter {
  public:
    Outcome answer = Outcome::Printed;
    std::vector<SongSheet> printed;
    std::vector<SheetOptions> options;
    Outcome Print(const SongSheet& sheet, const SheetOptions& given) override {
        printed.push_back(sheet);
        options.push_back(given);
        return answer;
    }
};

class SongExportTest : public ::testing::Test, protected FakedWindow {
  protected:
    FakeAlerts alerts{dialogs.log};
    FakeSheetPrinter printer;
    SongExport exporter{window, logic, dialogs, alerts, printer};

    void OpenSong() {
        files.files["/grace.cho"] = "{title: Grace}\n{key: G}\n[G]Amazing [C]grace\n";
        Perform(logic, OpenSongFile, "/grace.cho");
    }
};

TEST_F(SongExportTest, PrintsTheSheetWithItsLyricsForTheHandOfTheFretboard) {
    window.Menus().printSong->trigger();
    EXPECT_TRUE(printer.printed.empty());
    OpenSong();
    Perform(logic, ToggleLeftHanded);
    QTest::mouseClick(window.Song()->PrintButton(), Qt::LeftButton);
    ASSERT_EQ(printer.printed.size(), 1u);
    EXPECT_EQ(printer.printed[0].title, "Grace");
    EXPECT_EQ(printer.printed[0].chords.size(), 2u);
    EXPECT_EQ(printer.printed[0].lines.size(), 1u);
    EXPECT_TRUE(printer.options[0].leftHanded);
    EXPECT_TRUE(dialogs.Messages().empty());

    printer.answer = SheetPrinter::Outcome::Failed;
    window.Menus().printSong->trigger();
    EXPECT_EQ(dialogs.log.back(), "alert Error printing song! - Print cancelled|Print");
    EXPECT_EQ(dialogs.log[dialogs.log.size() - 2], "beep");
    printer.answer = SheetPrinter::Outcome::Cancelled;
    const std::size_t logged = dialogs.log.size();
    window.Menus().printSong->trigger();
    EXPECT_EQ(dialogs.log.size(), logged);
}

TEST_F(SongExportTest, SavesTheSheetInTheFormatOfTheExtension) {
    OpenSong();
    const std::string png = dir.File("grace.png");
    dialogs.answers = {png, dir.File("grace.doc"), dir.File("no/dir/grace.pdf"), std::nullopt};
    for (int k = 0; k < 4; ++k) {
        window.Menus().saveSongSheet->trigger();
    }
    EXPECT_EQ(dialogs.log.front(), "save Grace|PDF|*.pdf|SVG|*.svg|PNG|*.png");
    EXPECT_EQ(QImageReader(QString::fromStdString(png)).size().width(),
              LocalPaper() == PaperSize::A4 ? 1240 : 1275);
    EXPECT_EQ(dialogs.Messages(),
              (std::vector<std::string>{"Error saving file", "Error saving file"}));
}

}  // namespace
}  // namespace fretwise::test
