#include "qt/painters/chord_box_painter.hpp"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "core/song/chord_shapes.hpp"
#include "support/shapes.hpp"

namespace fretwise::test {
namespace {

constexpr int kWidth = 220;
constexpr int kHeight = 300;

QImage Box(const Fingering* shape, bool leftHanded, const QString& name = QString()) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    ChordBoxStyle style;
    style.leftHanded = leftHanded;
    PaintChordBox(painter, QRectF(0, 0, kWidth, kHeight), name, shape, style);
    return image;
}

// Whether the pixel is dark, as the ink of a dot is.
bool Inked(const QImage& image, double x, double y) {
    return qGray(image.pixel(static_cast<int>(x), static_cast<int>(y))) < 100;
}

// The middle of the grid cell of a string (0 = high E) and a fret shown (1 = the first):
// strings from 20 % to 92 % of the width, low E first; five frets below the name and marks.
QPointF Cell(int string, int fret) {
    const double left = kWidth * 0.2;
    const double gap = (kWidth * 0.92 - left) / 5;
    const double top = kHeight * 0.26;
    const double fretGap = (kHeight * 0.97 - top) / 5;
    return {left + (5 - string) * gap, top + (fret - 0.5) * fretGap};
}

TEST(ChordBoxPainterTest, DotsSitOnTheFrettedStringsOnly) {
    const Fingering e = GivenShape(Frets("022100"), {});
    const QImage image = Box(&e, false);
    const std::tuple<int, int, bool> cells[] = {
        {4, 2, true}, {3, 2, true}, {2, 1, true}, {1, 1, false}, {5, 2, false}, {2, 3, false},
    };
    for (const auto& [string, fret, dot] : cells) {
        const QPointF at = Cell(string, fret);
        // Within the dot, beside its finger number and off the string line.
        EXPECT_EQ(Inked(image, at.x() + 8, at.y() + 2), dot) << string << " " << fret;
    }
}

TEST(ChordBoxPainterTest, ALeftHandSeesTheGridMirrored) {
    for (const char* frets : {"022100", "x24432", "x 12 14 14 13 12", "3x0003"}) {
        const Fingering shape = GivenShape(Frets(frets), {});
        const QImage right = Box(&shape, false);
        const QImage left = Box(&shape, true);
        // The grid between the name and the bottom, without the first fret's number.
        const QRect grid(static_cast<int>(kWidth * 0.2) - 8, static_cast<int>(kHeight * 0.17),
                         static_cast<int>(kWidth * 0.72) + 16, static_cast<int>(kHeight * 0.8));
        const QImage mirrored = left.mirrored(true, false).copy(grid);
        const QImage straight = right.copy(grid);
        int different = 0;
        for (int y = 0; y < straight.height(); ++y) {
            for (int x = 0; x < straight.width(); ++x) {
                different += qAbs(qGray(straight.pixel(x, y)) - qGray(mirrored.pixel(x, y))) > 96;
            }
        }
        EXPECT_LT(different, straight.width() * straight.height() / 200) << frets;
    }
}

TEST(ChordBoxPainterTest, AShapeUpTheNeckShowsItsFirstFret) {
    const Fingering low = GivenShape(Frets("x24432"), {});
    const Fingering high = GivenShape(Frets("x 12 14 14 13 12"), {});
    const QRect label(0, static_cast<int>(kHeight * 0.26), static_cast<int>(kWidth * 0.18),
                      static_cast<int>(kHeight * 0.15));
    const auto inkIn = [](const QImage& image, const QRect& area) {
        int inked = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                inked += Inked(image, x, y) ? 1 : 0;
            }
        }
        return inked;
    };
    EXPECT_EQ(inkIn(Box(&low, false), label), 0);
    EXPECT_GT(inkIn(Box(&high, false), label), 20);
    // Without a shape the grid stays empty but for a question mark.
    const QImage unknown = Box(nullptr, false);
    EXPECT_FALSE(Inked(unknown, Cell(4, 2).x() + 8, Cell(4, 2).y() + 2));
}

}  // namespace
}  // namespace fretwise::test
