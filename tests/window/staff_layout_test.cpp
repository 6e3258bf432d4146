#include "window/staff_layout.hpp"

#include <gtest/gtest.h>

#include "support/shapes.hpp"

namespace fretwise::test {
namespace {

constexpr std::array<bool, kStringCount> kAllLabelsVisible = {true, true, true, true, true, true};

StaffView Layout(const Fingering& shape, Accidentals mode = Accidentals::Sharps,
                 const std::array<bool, kStringCount>& labels = kAllLabelsVisible) {
    StaffView staff;
    LayoutStaff(staff, shape, mode, labels);
    return staff;
}

TEST(StaffLayout, OpenEMajorAsWrittenOnTheStaff) {
    const StaffView staff = Layout(Shape({0, 0, 1, 2, 2, 0}));
    const int tops[] = {840, 1020, 1140, 1260, 1440, 1680};
    for (int s = 0; s < kStringCount; ++s) {
        EXPECT_TRUE(staff.heads[s].visible);
        EXPECT_EQ(staff.heads[s].left, 1800) << s;
        EXPECT_EQ(staff.heads[s].top, tops[s]) << s;
        EXPECT_EQ(staff.accidentals[s].left, 1680);
        EXPECT_EQ(staff.accidentals[s].top, tops[s] - 30);
        EXPECT_EQ(staff.accidentals[s].text, s == 2 ? "#" : "  ") << s;
    }
    EXPECT_EQ(staff.upperLedgers, 0);
    EXPECT_EQ(staff.lowerLedgers, 3);
}

TEST(StaffLayout, GSharpAndAFlatAreWrittenOnDifferentSteps) {
    const Fingering shape = Shape({-1, -1, 1, -1, -1, -1});
    EXPECT_EQ(StringStaffStep(shape, 2, Accidentals::Sharps), 9);
    EXPECT_EQ(StringStaffStep(shape, 2, Accidentals::Flats), 10);
    EXPECT_EQ(Layout(shape, Accidentals::Flats).accidentals[2].text, "b");
}

TEST(StaffLayout, CrowdedHeadsMoveAside) {
    // Open high E and the B string at its fifth fret: the same E.
    StaffView unison = Layout(Shape({0, 5, -1, -1, -1, -1}));
    EXPECT_EQ(unison.heads[0].left, 1800);
    EXPECT_EQ(unison.heads[1].left, 1960);
    // Open high E and F on the B string: a second apart.
    StaffView second = Layout(Shape({0, 6, -1, -1, -1, -1}));
    EXPECT_EQ(second.heads[1].left, 1880);
    EXPECT_EQ(second.accidentals[1].left, 1680);
}

TEST(StaffLayout, LedgerLinesFollowTheOuterNotes) {
    const std::tuple<PerString, int, int> cases[] = {
        {{-1, -1, -1, -1, -1, -1}, 0, 0}, {{3, -1, -1, -1, -1, -1}, 0, 0},
        {{5, -1, -1, -1, -1, -1}, 1, 0},  {{8, -1, -1, -1, -1, -1}, 2, 0},
        {{20, -1, -1, -1, -1, -1}, 5, 0}, {{-1, -1, -1, -1, 0, -1}, 0, 2},
        {{-1, -1, -1, -1, 2, -1}, 0, 1},  {{-1, -1, -1, -1, -1, 1}, 0, 3},
        {{-1, -1, -1, -1, -1, 3}, 0, 2},
    };
    for (const auto& [frets, upper, lower] : cases) {
        const StaffView staff = Layout(Shape(frets));
        EXPECT_EQ(staff.upperLedgers, upper) << frets[0] << " " << frets[5];
        EXPECT_EQ(staff.lowerLedgers, lower) << frets[0] << " " << frets[5];
    }
}

TEST(StaffLayout, SilentStringsShowNothing) {
    const StaffView staff = Layout(Shape({-1, -1, -1, -1, -1, -1}));
    for (int s = 0; s < kStringCount; ++s) {
        EXPECT_FALSE(staff.heads[s].visible);
        EXPECT_FALSE(staff.accidentals[s].visible);
        EXPECT_FALSE(staff.fingers[s].visible);
    }
}

TEST(StaffLayout, FingerNumbersOnlyForPlayableFrettedNotes) {
    Fingering shape = Shape({0, 1, 0, 2, 3, -1});  // C major
    shape.Finger = {0, 1, 0, 2, 3, 0};
    shape.Playable = true;
    std::array<bool, kStringCount> labels = kAllLabelsVisible;
    labels[4] = false;  // its fret is scrolled out of view
    const StaffView staff = Layout(shape, Accidentals::Sharps, labels);
    EXPECT_FALSE(staff.fingers[0].visible);
    EXPECT_TRUE(staff.fingers[1].visible);
    EXPECT_EQ(staff.fingers[1].text, "1");
    EXPECT_EQ(staff.fingers[1].top, staff.accidentals[1].top);
    EXPECT_EQ(staff.fingers[1].left, 1840 + 80 * 2);
    EXPECT_TRUE(staff.fingers[4].visible);
    EXPECT_EQ(staff.fingers[4].text, "");

    shape.Playable = false;
    for (const StaffItemView& finger : Layout(shape).fingers) {
        EXPECT_FALSE(finger.visible);
    }
}

TEST(StaffLayout, NotesBeyondTheStaffTableDoNotCrash) {
    // Pitch numbers far outside the fretboard can only come from a damaged chord file.
    Fingering shape;
    shape.Note = {30000, -30000, -5, 0, 1, 8};
    const StaffView staff = Layout(shape);
    EXPECT_TRUE(staff.heads[0].visible);
}

}  // namespace
}  // namespace fretwise::test
