#include "window/analysis_panel.hpp"

#include <gtest/gtest.h>

namespace fretwise::test {
namespace {

TEST(AnalysisPanel, ChordFillsEveryLabel) {
    DisplayState display;
    ShowChordName(display, {"C", 1, 2, "minor seventh", "m7", "Root Position", 3, "C"});
    EXPECT_EQ(display.panel.name.caption, "Name: C minor seventh");
    EXPECT_EQ(display.panel.abbrev.caption, "Abbreviation: Cm7");
    EXPECT_EQ(display.panel.inversion.caption, "Inversion: Root Position");
    EXPECT_EQ(display.panel.thirds.caption, "Thirds: 1");
    EXPECT_EQ(display.panel.fifths.caption, "Fifths: 2");
    EXPECT_EQ(display.chordCaption, "C minor seventh");
    EXPECT_EQ(display.fretboard.shortName, "C m7");
    EXPECT_EQ(display.panel.symbol, "Cm7");
    for (const PanelLabelView* label :
         {&display.panel.name, &display.panel.abbrev, &display.panel.inversion,
          &display.panel.thirds, &display.panel.fifths}) {
        EXPECT_TRUE(label->enabled);
    }
}

TEST(AnalysisPanel, IntervalShowsOnlyNameAndInversion) {
    DisplayState display;
    ShowChordName(display, {"C", 1, 2, "minor seventh", "m7", "Root Position", 3, "C"});
    ShowChordName(display, {"E", 0, 1, "Perfect Fifth", "", "First", 32, "B"});
    EXPECT_EQ(display.panel.name.caption, "Name: E - Perfect Fifth");
    EXPECT_TRUE(display.panel.name.enabled);
    EXPECT_EQ(display.panel.inversion.caption, "Inversion: First");
    EXPECT_TRUE(display.panel.inversion.enabled);
    EXPECT_EQ(display.panel.abbrev.caption, "Abbreviation: ");
    EXPECT_FALSE(display.panel.abbrev.enabled);
    EXPECT_EQ(display.panel.thirds.caption, "Thirds:");
    EXPECT_FALSE(display.panel.thirds.enabled);
    EXPECT_EQ(display.panel.fifths.caption, "Fifths:");
    EXPECT_EQ(display.chordCaption, "E - Perfect Fifth");
    EXPECT_EQ(display.fretboard.shortName, "");
    EXPECT_EQ(display.panel.symbol, "E5/B");  // the power chord has a symbol, with its bass
    ShowChordName(display, {"B", 0, 0, "Perfect Fourth", "", "Root Position", 30, "B"});
    EXPECT_EQ(display.panel.symbol, "");
}

}  // namespace
}  // namespace fretwise::test
