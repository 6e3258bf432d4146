#include "window/fretboard_view.hpp"

#include <gtest/gtest.h>

#include "support/shapes.hpp"

namespace fretwise::test {
namespace {

// Drawn for a neck position as a refresh places the barre, or as scrolling does.
FretboardView Board(int numFrets, int position, const Fingering& shape = {},
                    bool barreWherever = false) {
    FretboardView view;
    DrawFretboard(view, numFrets, position, shape, barreWherever);
    return view;
}

TEST(FretboardView, NeckScrollsOnlyPastTheEightFretsInView) {
    EXPECT_EQ(NeckScrollMax(20), 12);
    EXPECT_EQ(NeckScrollMax(9), 1);
    EXPECT_EQ(NeckScrollMax(8), 0);
    EXPECT_EQ(NeckScrollMax(5), 0);
}

TEST(FretboardView, LayoutPlacesEveryFretLineAndEndsTheStringsBelowTheLast) {
    const FretboardView view = Board(7, 0);
    ASSERT_EQ(view.fretLines.size(), 8u);
    EXPECT_EQ(view.fretLines[0].y, 840);
    EXPECT_EQ(view.fretLines[0].width, 3);
    EXPECT_EQ(view.fretLines[7].y, 840 + 7 * 720);
    EXPECT_EQ(view.fretLines[7].width, 1);
    EXPECT_EQ(view.strings[3].bottom, 840 + 7 * 720 + 120);
}

TEST(FretboardView, ScrolledLinesAtOrAboveTheNutAreHidden) {
    const FretboardView view = Board(20, 3);
    EXPECT_FALSE(view.fretLines[3].visible);
    EXPECT_TRUE(view.fretLines[4].visible);
    EXPECT_EQ(view.fretLines[4].y, 1560);
    EXPECT_TRUE(view.fretLines[0].visible);
    EXPECT_EQ(view.fretLines[0].y, 840);
}

TEST(FretboardView, FretLabelMarksTheFifthFretOrNamesThePosition) {
    const std::tuple<int, const char*, int> cases[] = {{0, "5", 4320},
                                                       {4, "5", 1440},
                                                       {5, "5th fret", 720},
                                                       {7, "7th fret", 720},
                                                       {12, "12th fret", 720}};
    for (const auto& [position, caption, top] : cases) {
        const FretboardView view = Board(20, position);
        EXPECT_EQ(view.fretLabel.caption, caption) << position;
        EXPECT_EQ(view.fretLabel.top, top) << position;
    }
}

TEST(FretboardView, MarkersShowOnlyForHeldFretsInView) {
    const std::tuple<int, int, bool, int> cases[] = {
        {3, 0, true, 2400},  {3, 2, true, 960},  {3, 3, false, 0},
        {3, 5, false, 0},    {8, 0, true, 6000}, {9, 0, false, 0},
        {13, 5, true, 6000}, {0, 0, false, 0},   {-1, 0, false, 0},
    };
    for (const auto& [fret, position, visible, top] : cases) {
        const Fingering shape = Shape({static_cast<std::int16_t>(fret), 0, 0, 0, 0, 0});
        const FretboardView drawn = Board(20, position, shape);
        EXPECT_EQ(drawn.markers[0].visible, visible) << fret << " at " << position;
        EXPECT_EQ(drawn.markers[0].top, top) << fret << " at " << position;
    }
}

TEST(FretboardView, MarkerBeyondTheFretsDrawnIsHidden) {
    // A chord file can hold a fret past the last fret line; it has no place on the board.
    for (int fret : {6, 7}) {
        const Fingering shape = Shape({static_cast<std::int16_t>(fret), 0, 0, 0, 0, 0});
        EXPECT_FALSE(Board(5, 0, shape).markers[0].visible) << fret;
    }
}

TEST(FretboardView, MutedStringsAreDashed) {
    const FretboardView view = Board(20, 0, Shape({-1, 0, 2, -1, 3, 0}));
    EXPECT_TRUE(view.strings[0].dashed);
    EXPECT_FALSE(view.strings[1].dashed);
    EXPECT_FALSE(view.strings[2].dashed);
    EXPECT_TRUE(view.strings[3].dashed);
}

// Scrolling hides a barre outside the frets in view; a refresh places it wherever it lies.
TEST(FretboardView, BarreSpansItsStringsHalfAFretAboveItsLine) {
    Fingering shape = Shape({3, 3, 3, 3, 3, 3});
    shape.BarreFrom = 0;
    shape.BarreTo = 5;
    shape.BarreFret = 3;
    const std::tuple<int, bool, bool, int> cases[] = {
        {0, false, true, 840 + 3 * 720 - 360},
        {2, false, true, 840 + 360},
        {3, false, false, 0},
        {3, true, true, 840 - 360},
        {0, true, true, 840 + 3 * 720 - 360},
    };
    for (const auto& [position, wherever, visible, y] : cases) {
        const BarView bar = Board(20, position, shape, wherever).bar;
        EXPECT_EQ(bar.visible, visible) << position << wherever;
        EXPECT_EQ(bar.y, y) << position << wherever;
        EXPECT_EQ(bar.x2 - bar.x1, visible ? 3000 : 0) << position << wherever;
    }
    shape.BarreTo = 0;  // no barre
    EXPECT_FALSE(Board(20, 0, shape, true).bar.visible);
}

TEST(FretboardView, HitTestFindsStringAndFret) {
    const struct {
        int position;
        int x;
        int y;
        bool hit;
        int string;
        int fret;
    } cases[] = {
        {0, 3975, 1000, false, 0, 0}, {0, 3974, 1000, true, 0, 1},  {0, 375, 1000, false, 0, 0},
        {0, 376, 1000, true, 5, 1},   {0, 2175, 1000, true, 2, 1},  // halfway: the higher string
        {0, 2174, 1000, true, 3, 1},  {0, 2475, 400, true, 2, 0},   {5, 2475, 400, true, 2, 0},
        {5, 2475, 839, true, 2, 0},   {5, 2475, 840, true, 2, 6},   {5, 2475, 1560, true, 2, 7},
        {0, 2475, 6599, true, 2, 8},  {0, 2475, 6600, false, 0, 0},
    };
    for (const auto& c : cases) {
        const std::optional<FretboardHit> hit = HitTest(20, c.position, false, c.x, c.y);
        ASSERT_EQ(hit.has_value(), c.hit) << c.x << "," << c.y << " at " << c.position;
        if (c.hit) {
            EXPECT_EQ(hit->string, c.string) << c.x << "," << c.y;
            EXPECT_EQ(hit->fret, c.fret) << c.x << "," << c.y;
        }
    }
}

// Mirrored, each string keeps its band on the other side; the outer edges stay where they
// were and a point halfway between two strings still goes to the lower string number.
TEST(FretboardView, MirroredViewPlacesAndHitsEachStringOnTheOtherSide) {
    const std::tuple<int, int, int> strings[] = {{0, 3675, 675}, {2, 2475, 1875}, {5, 675, 3675}};
    for (const auto& [string, rightHanded, leftHanded] : strings) {
        FretboardView view = Board(20, 0);
        EXPECT_EQ(StringLineX(view, string), rightHanded);
        view.leftHanded = true;
        EXPECT_EQ(StringLineX(view, string), leftHanded);
    }
    const std::tuple<int, std::optional<int>, std::optional<int>> hits[] = {
        {375, std::nullopt, std::nullopt},
        {376, 5, 0},
        {974, 5, 0},
        {975, 4, 0},
        {976, 4, 1},
        {2175, 2, 2},
        {2176, 2, 3},
        {3974, 0, 5},
        {3975, std::nullopt, std::nullopt},
    };
    for (const auto& [x, rightHanded, leftHanded] : hits) {
        for (const bool mirrored : {false, true}) {
            const std::optional<FretboardHit> hit = HitTest(20, 0, mirrored, x, 1000);
            EXPECT_EQ(hit ? std::optional(hit->string) : std::nullopt,
                      mirrored ? leftHanded : rightHanded)
                << x << (mirrored ? " mirrored" : "");
        }
    }
}

TEST(FretboardView, NoHitBelowTheLastFretLine) {
    // With five frets the last line is at 4440.
    EXPECT_TRUE(HitTest(5, 0, false, 2000, 4439).has_value());
    EXPECT_FALSE(HitTest(5, 0, false, 2000, 4440).has_value());
}

}  // namespace
}  // namespace fretwise::test
