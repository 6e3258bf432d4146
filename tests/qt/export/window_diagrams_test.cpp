#include "qt/export/window_diagrams.hpp"

#include <gtest/gtest.h>

#include "support/shapes.hpp"
#include "window/present.hpp"
#include "window/refresh.hpp"

namespace fretwise::test {
namespace {

DisplayState Showing(const PerString& frets) {
    WindowState window;
    Fingering shape;
    shape.Fret = frets;
    RefreshChord(window, shape);
    return Present(window);
}

QImage Render(const DisplayState& display, DiagramKind kind) {
    return RenderDiagram(kind, DiagramOf(display, kind));
}

TEST(WindowDiagrams, TheSmallDiagramShowsTheShortNameButNoStringOrFretLabels) {
    const DisplayState c = Showing(Frets("x32010"));
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

}  // namespace
}  // namespace fretwise::test
