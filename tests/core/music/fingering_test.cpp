#include "core/music/fingering.hpp"

#include <gtest/gtest.h>

namespace fretwise::test {
namespace {

TEST(ShapeConversion, BlankShapeSoundsTheOpenStrings) {
    EXPECT_EQ(ShapeFretsToNotes(Fingering{}).Note, (PerString{8, 3, 11, 6, 1, 8}));
}

TEST(ShapeConversion, MutedStringsStayMutedAndOtherFieldsAreKept) {
    Fingering shape;
    shape.Note = {13, 5, -1, 8, 1, -1};
    shape.Finger = {1, 2, 3, 0, 0, 0};
    shape.Ease = 1.5f;
    shape.BarreFret = 4;
    const Fingering frets = ShapeNotesToFrets(shape);
    EXPECT_EQ(frets.Fret, (PerString{5, 2, -1, 2, 0, -1}));
    EXPECT_EQ(frets.Note, shape.Note);
    EXPECT_EQ(frets.Finger, shape.Finger);
    EXPECT_EQ(frets.Ease, 1.5f);
    EXPECT_EQ(frets.BarreFret, 4);
}

TEST(ShapeConversion, FretsRoundTripThroughNotes) {
    for (std::int16_t fret = -1; fret <= 24; ++fret) {
        Fingering shape;
        shape.Fret.fill(fret);
        EXPECT_EQ(ShapeNotesToFrets(ShapeFretsToNotes(shape)).Fret, shape.Fret) << fret;
    }
}

TEST(Fingering, BarreNeedsASpanAndAFret) {
    Fingering shape;
    shape.BarreFrom = 0;
    shape.BarreTo = 5;
    EXPECT_FALSE(shape.HasBarre());  // open strings at fret 0 are no barre
    shape.BarreFret = 1;
    EXPECT_TRUE(shape.HasBarre());
    shape.BarreTo = 0;
    EXPECT_FALSE(shape.HasBarre());
}

}  // namespace
}  // namespace fretwise::test
