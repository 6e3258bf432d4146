#include <QImage>
#include <QPainter>

#include "qt/painters/fretboard_painter.hpp"
#include "qt/painters/staff_painter.hpp"
#include "qt/ui/staff_widget.hpp"
#include "qt/ui/window_fixture.hpp"

namespace fretwise::test {
namespace {

bool IsDark(const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y)) < 100;
}

QImage PaintBoard(const FretboardView& board, const FretboardStyle& style, int scale = 1) {
    QImage image(313 * scale, 465 * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    QPainter painter(&image);
    PaintFretboard(painter, board, style);
    return image;
}

TEST_F(WindowTest, FretboardShowsMarkersBarreAndMutedStrings) {
    Finger("133211");  // F barre on the first fret
    const FretboardView& board = window->Fretboard()->Board();
    ASSERT_TRUE(board.bar.visible);
    for (int scale : {1, 2}) {
        const QImage image = PaintBoard(board, FretboardStyle::ChordDiagram(), scale);
        // The barre crosses the first fret between the strings, 5 pixels thick.
        const int barY = (board.bar.y / 15) * scale;
        EXPECT_TRUE(IsDark(image, 65 * scale, barY)) << scale;
        EXPECT_TRUE(IsDark(image, 65 * scale, barY + 2 * scale)) << scale;
        EXPECT_FALSE(IsDark(image, 65 * scale, barY + 4 * scale)) << scale;
        // A marker on the third fret of the A string, with its white finger number inside.
        const QPoint centre = FretPoint(4, 3) * scale;
        EXPECT_TRUE(IsDark(image, centre.x() + 12 * scale, centre.y())) << scale;
        EXPECT_FALSE(IsDark(image, 200 * scale, centre.y())) << scale;
    }

    Click(5, 1, Qt::RightButton);
    const QImage muted = PaintBoard(window->Fretboard()->Board(), FretboardStyle::ChordDiagram());
    int dark = 0;
    for (int y = 60; y < 400; ++y) {
        dark += IsDark(muted, 45, y) ? 1 : 0;
    }
    EXPECT_GT(dark, 100);  // dashed: partly drawn
    EXPECT_LT(dark, 300);
}

TEST_F(WindowTest, StaffShowsOneHeadPerSoundingString) {
    Finger("022100");
    const StaffView& staff = Child<StaffWidget>("staff")->Staff();
    QImage image(265, 157, QImage::Format_RGB32);
    QPainter painter(&image);
    PaintStaff(painter, staff, StaffStyle{});
    painter.end();
    for (const StaffItemView& head : staff.heads) {
        ASSERT_TRUE(head.visible);
        const int x = (head.left + 82) / 15;
        const int y = (head.top + 67) / 15;
        EXPECT_TRUE(IsDark(image, x, y)) << head.top;
    }
    // Three lower ledger lines under the low E at 1440, 1560 and 1680 twips.
    for (int y : {96, 104, 112}) {
        EXPECT_TRUE(IsDark(image, 117, y)) << y;
    }
    EXPECT_FALSE(IsDark(image, 117, 120));
}

}  // namespace
}  // namespace fretwise::test
