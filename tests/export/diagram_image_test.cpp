#include "export/diagram_image.hpp"

#include <gtest/gtest.h>

#include <QPainter>

namespace fretwise {
namespace {

// Darkest grey level in a column of the image (0 black, 255 white).
int DarkestInColumn(const QImage& image, int x) {
    int darkest = 255;
    for (int y = 0; y < image.height(); ++y) {
        darkest = std::min(darkest, qGray(image.pixel(x, y)));
    }
    return darkest;
}

TEST(RenderDiagram, EachPictureHasItsExactPixelSize) {
    const struct {
        DiagramKind kind;
        QSize size;
    } cases[] = {
        {DiagramKind::Chord, {313, 465}},
        {DiagramKind::Small, {104, 155}},
        {DiagramKind::Notes, {261, 149}},
    };
    for (const auto& c : cases) {
        const QImage image = RenderDiagram(c.kind, [](QPainter&) {});
        EXPECT_EQ(image.size(), c.size);
        EXPECT_EQ(image.format(), QImage::Format_RGB32);
        EXPECT_EQ(image.pixel(0, 0), qRgb(255, 255, 255));
    }
}

TEST(RenderDiagram, TheNoteDiagramIsCutFromTheTopLeftOfALargerStaff) {
    const QImage image = RenderDiagram(DiagramKind::Notes,
                                       [&](QPainter& p) { p.fillRect(0, 0, 265, 157, Qt::black); });
    EXPECT_EQ(image.size(), QSize(261, 149));
    EXPECT_EQ(image.pixel(260, 148), qRgb(0, 0, 0));
}

TEST(RenderDiagram, TheSmallDiagramIsPaintedFullSizeAndShrunkSmoothly) {
    QSize painted;
    const QImage image = RenderDiagram(DiagramKind::Small, [&](QPainter& p) {
        painted = QSize(p.device()->width(), p.device()->height());
        p.setPen(QPen(Qt::black, 3));
        p.drawLine(QPointF(150.5, 0), QPointF(150.5, 465));  // a played string, 3 px
        p.setPen(QPen(Qt::black, 1));
        p.drawLine(QPointF(250.5, 0), QPointF(250.5, 465));  // a muted string, thin
    });
    EXPECT_EQ(painted, QSize(313, 465));
    ASSERT_EQ(image.size(), QSize(104, 155));
    // The heavy line survives the shrinking as a solid dark line; the thin one turns grey
    // but does not vanish, as a nearest-pixel shrink could make it.
    EXPECT_LT(DarkestInColumn(image, 50), 40);
    EXPECT_LT(DarkestInColumn(image, 83), 200);
    EXPECT_GT(DarkestInColumn(image, 83), DarkestInColumn(image, 50));
    EXPECT_EQ(DarkestInColumn(image, 20), 255);
}

}  // namespace
}  // namespace fretwise
