#include "qt/export/window_export.hpp"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QImageReader>

#include "faked_window.hpp"
#include "qt/ui/main_window.hpp"
#include "support/export_fakes.hpp"
#include "support/fakes.hpp"
#include "support/shapes.hpp"
#include "support/temp_dir.hpp"
#include "window/refresh.hpp"
#include "window/window.hpp"

namespace fretwise::test {
namespace {

const PerString kFBarre = Frets("133211");

class WindowExportTest : public ::testing::Test, protected FakedWindow {
  protected:
    FakePrinter printer;
    WindowExport exporter{window, logic, dialogs, printer};

    void SetUp() override {
        Fingering shape;
        shape.Fret = kFBarre;
        RefreshChord(logic.state, shape);
        window.ShowDisplay();
        window.show();
    }
};

TEST_F(WindowExportTest, TheMenuItemsExportAndPrintWithoutChangingTheWindow) {
    const QImage before = window.grab().toImage();
    const MainMenus& menus = window.Menus();
    const DiagramKind kinds[] = {DiagramKind::Chord, DiagramKind::Small, DiagramKind::Notes};
    for (int i = 0; i < 3; ++i) {
        QGuiApplication::clipboard()->clear();
        menus.copy[i]->trigger();
        EXPECT_EQ(QGuiApplication::clipboard()->image().size(), DiagramSize(kinds[i])) << i;

        const std::string file = dir.File("saved" + std::to_string(i));
        dialogs.answers = {file};
        menus.saveBitmap[i]->trigger();
        QImageReader saved(QString::fromStdString(file + ".bmp"));
        EXPECT_EQ(saved.format(), "bmp") << i;
        EXPECT_EQ(saved.size(), DiagramSize(kinds[i])) << i;
    }
    dialogs.answers = {"2", "2"};
    menus.printChord->trigger();
    menus.printNotes->trigger();
    EXPECT_EQ(printer.jobs, (std::vector<int>{2, 2}));
    EXPECT_EQ(dialogs.log[0], "save F major|Bitmap|*.bmp");
    EXPECT_TRUE(dialogs.Messages().empty());
    EXPECT_EQ(window.grab().toImage(), before);
}

}  // namespace
}  // namespace fretwise::test
