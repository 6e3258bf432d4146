#include <gtest/gtest.h>
#include <QPalette>
#include <tuple>

#include "qt/painters/contrast.hpp"
#include "qt/painters/paint_style.hpp"
#include "qt/ui/dark_palette.hpp"

namespace fretwise::test {
namespace {

QPalette Plain(const QColor& window) {
    QPalette palette(window);
    palette.setColor(QPalette::Base, window);
    return palette;
}

TEST(Contrast, RatiosRunFromOneToTwentyOne) {
    EXPECT_DOUBLE_EQ(ContrastRatio(Qt::white, Qt::black), 21.0);
    EXPECT_DOUBLE_EQ(ContrastRatio(QColor(90, 90, 90), QColor(90, 90, 90)), 1.0);
    EXPECT_NEAR(ContrastRatio(QColor(118, 118, 118), Qt::white), 4.54, 0.01);
}

// Every text the screen painters put down reads at 4.5:1 or better, on light, dark and
// awkward middle greys alike.
TEST(PaintStyle, ScreenColoursKeepTheirContrastOnAnyPalette) {
    const std::tuple<const char*, QPalette, bool> palettes[] = {
        {"light", Plain(QColor(239, 239, 239)), false},
        {"dark Fusion", DarkFusionPalette(), true},
        {"middle grey", Plain(QColor(119, 119, 119)), false},
        {"dark grey", Plain(QColor(100, 100, 100)), true},
        {"black", Plain(Qt::black), true},
    };
    for (const auto& [name, palette, dark] : palettes) {
        EXPECT_EQ(IsDarkPalette(palette), dark) << name;
        const FretboardStyle board = FretboardStyle::Screen(palette);
        EXPECT_EQ(board.background, palette.color(QPalette::Window)) << name;
        EXPECT_GE(ContrastRatio(board.ink, board.background), kTextContrast) << name;
        EXPECT_GE(ContrastRatio(board.markerText, board.marker), kTextContrast) << name;
        const StaffStyle staff = StaffStyle::Screen(palette);
        EXPECT_GE(ContrastRatio(staff.ink, staff.background), kTextContrast) << name;
        EXPECT_GE(ContrastRatio(staff.fingerText, staff.background), kTextContrast) << name;
        EXPECT_GE(ContrastRatio(ButtonInk(palette, true), palette.color(QPalette::Button)),
                  kTextContrast)
            << name;
    }
}

TEST(PaintStyle, LightPalettesPaintAsBeforeAndPicturesStayBlackOnWhite) {
    const FretboardStyle light = FretboardStyle::Screen(Plain(QColor(239, 239, 239)));
    EXPECT_EQ(light.ink, QColor(30, 30, 30));
    EXPECT_EQ(light.marker, QColor(35, 35, 35));
    EXPECT_EQ(StaffStyle::Screen(Plain(QColor(239, 239, 239))).background, QColor(Qt::white));
    EXPECT_EQ(FretboardStyle::ChordDiagram().background, QColor(Qt::white));
    EXPECT_EQ(FretboardStyle::SmallChordDiagram().ink, QColor(30, 30, 30));
}

}  // namespace
}  // namespace fretwise::test
