#include "export/window_diagrams.hpp"

#include <gtest/gtest.h>

#include <QPrinter>
#include <QStandardPaths>

#include "export/export_commands.hpp"
#include "export/pdf_pages.hpp"
#include "support/export_fakes.hpp"
#include "support/fakes.hpp"
#include "support/temp_dir.hpp"
#include "window/geometry.hpp"
#include "window/headless_window.hpp"

namespace fretwise::test {
namespace {

// Frets in string order (high E first) from a shape written low E first.
PerString LowEFirst(std::array<int, kStringCount> frets) {
    PerString shape{};
    for (int k = 0; k < kStringCount; ++k) {
        shape[kStringCount - 1 - k] = static_cast<std::int16_t>(frets[k]);
    }
    return shape;
}

const PerString kFBarre = LowEFirst({1, 3, 3, 2, 1, 1});
const PerString kCMajor = LowEFirst({-1, 3, 2, 0, 1, 0});

DisplayState Showing(const PerString& frets) {
    HeadlessWindow window;
    EXPECT_TRUE(window.Controller().ShowShape(frets, 20, 0, false, -1));
    return window.Controller().Display();
}

QImage Render(const DisplayState& display, DiagramKind kind) {
    return RenderDiagram(kind, DiagramOf(display, kind));
}

// The darkest grey of the small diagram near a string, between the fifth and sixth fret
// lines (4440 to 5160 twips down), where no fret line, marker or label lies.
int DarkestOnString(const QImage& small, int string) {
    constexpr int kTwipsPerSmallPixel = 45;
    const int x = geometry::StringX(string) / kTwipsPerSmallPixel;
    int darkest = 255;
    for (int column = x - 1; column <= x + 1; ++column) {
        for (int y = 4440 / kTwipsPerSmallPixel + 2; y < 5160 / kTwipsPerSmallPixel - 2; ++y) {
            darkest = std::min(darkest, qGray(small.pixel(column, y)));
        }
    }
    return darkest;
}

TEST(WindowDiagrams, ThePicturesOfTheFBarreHaveTheirSizesOnWhite) {
    const DisplayState f = Showing(kFBarre);
    ASSERT_EQ(f.fretboard.shortName.empty(), false);
    for (DiagramKind kind : {DiagramKind::Chord, DiagramKind::Small, DiagramKind::Notes}) {
        const QImage image = Render(f, kind);
        EXPECT_EQ(image.size(), DiagramSize(kind));
        EXPECT_EQ(image.pixel(image.width() - 1, image.height() - 1), qRgb(255, 255, 255));
    }
}

TEST(WindowDiagrams, TheSmallDiagramShowsTheShortNameButNoStringOrFretLabels) {
    const DisplayState c = Showing(kCMajor);
    DisplayState unlabelled = c;
    unlabelled.fretboard.stringLabels = {};
    unlabelled.fretboard.fretLabel.caption.clear();
    EXPECT_EQ(Render(c, DiagramKind::Small), Render(unlabelled, DiagramKind::Small));
    EXPECT_NE(Render(c, DiagramKind::Chord), Render(unlabelled, DiagramKind::Chord));

    DisplayState unnamed = c;
    unnamed.fretboard.shortName.clear();
    EXPECT_NE(Render(c, DiagramKind::Small), Render(unnamed, DiagramKind::Small));
    EXPECT_EQ(Render(c, DiagramKind::Chord), Render(unnamed, DiagramKind::Chord));
}

TEST(WindowDiagrams, AMutedStringStaysThinInTheSmallDiagram) {
    const QImage small = Render(Showing(kCMajor), DiagramKind::Small);
    const int muted = DarkestOnString(small, 5);   // low E, not played
    const int played = DarkestOnString(small, 3);  // D string, open
    EXPECT_LT(played, 80);
    EXPECT_GT(muted, played + 40);
}

TEST(WindowDiagrams, ExportingLeavesTheDisplayStateAsItWas) {
    HeadlessWindow window;
    ASSERT_TRUE(window.Controller().ShowShape(kFBarre, 20, 0, false, -1));
    const DisplayState& display = window.Controller().Display();
    const DisplayState before = display;
    WindowDiagrams source([&]() -> const DisplayState& { return display; });
    FakeDialogs dialogs;
    FakeAlerts alerts(dialogs.log);
    FakePrinter printer;
    ExportCommands commands(source, dialogs, alerts, printer);
    TempDir dir;
    for (DiagramKind kind : {DiagramKind::Chord, DiagramKind::Small, DiagramKind::Notes}) {
        commands.CopyDiagram(kind);
        dialogs.answers = {(dir.path() / std::to_string(static_cast<int>(kind))).string()};
        commands.SaveDiagram(kind);
    }
    dialogs.answers = {"1", "1"};
    commands.PrintDiagram(PrintKind::ChordDiagram);
    commands.PrintDiagram(PrintKind::NoteDiagram);
    EXPECT_EQ(printer.jobs, (std::vector<int>{1, 1}));
    // Painting from a copy changes nothing: the pictures of the state are the same.
    for (DiagramKind kind : {DiagramKind::Chord, DiagramKind::Small, DiagramKind::Notes}) {
        EXPECT_EQ(Render(display, kind), Render(before, kind));
    }
    EXPECT_EQ(display.chordCaption, before.chordCaption);
    EXPECT_EQ(display.neckScroll.value, before.neckScroll.value);
}

TEST(WindowDiagrams, TwoCopiesOfEitherPrintMakeATwoPagePdf) {
    if (QStandardPaths::findExecutable("pdfinfo").isEmpty()) {
        GTEST_SKIP() << "pdfinfo (poppler-utils) is not installed";
    }
    HeadlessWindow window;
    ASSERT_TRUE(window.Controller().ShowShape(kFBarre, 20, 0, false, -1));
    WindowDiagrams source([&]() -> const DisplayState& { return window.Controller().Display(); });
    TempDir dir;
    FakeDialogs dialogs;
    dialogs.answers = {"2", "2"};
    FakeAlerts alerts(dialogs.log);
    for (const char* name : {"chord.pdf", "notes.pdf"}) {
        const QString file = QString::fromStdString((dir.path() / name).string());
        QPrinter pdf;
        pdf.setOutputFormat(QPrinter::PdfFormat);
        pdf.setOutputFileName(file);
        QtPrinter printer(pdf);
        ExportCommands commands(source, dialogs, alerts, printer);
        commands.PrintDiagram(name[0] == 'c' ? PrintKind::ChordDiagram : PrintKind::NoteDiagram);
        EXPECT_EQ(PdfPageCount(file), 2) << name;
    }
    EXPECT_EQ(std::count(dialogs.log.begin(), dialogs.log.end(), "beep"), 0);
}

}  // namespace
}  // namespace fretwise::test
