#include "qt/export/diagram_image.hpp"

#include <gtest/gtest.h>

#include <QPainter>
#include <tuple>

namespace fretwise::test {
namespace {

// Darkest grey level in a column of the image (0 black, 255 white).
int DarkestInColumn(const QImage& image, int x) {
    int darkest = 255;
    for (int y = 0; y < image.height(); ++y) {
        darkest = std::min(darkest, qGray(image.pixel(x, y)));
    }
    return darkest;
}

int DarkestInColumns(const QImage& image, int from, int to) {
    int darkest = 255;
    for (int x = from; x < to; ++x) {
        darkest = std::min(darkest, DarkestInColumn(image, x));
    }
    return darkest;
}

TEST(RenderDiagram, EachPictureHasItsExactPixelSize) {
    const std::tuple<DiagramKind, QSize> cases[] = {{DiagramKind::Chord, {313, 465}},
                                                    {DiagramKind::Small, {104, 155}},
                                                    {DiagramKind::Notes, {261, 149}}};
    for (const auto& [kind, size] : cases) {
        const QImage image = RenderDiagram(kind, [](QPainter&) {});
        EXPECT_EQ(image.size(), size);
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

TEST(RenderDiagram, TheSmallDiagramKeepsHeavyLinesDarkAndThinLinesVisible) {
    // Whatever the column a line falls on, the shrunk heavy line stays dark and the thin one
    // stays visible but lighter.
    for (int x = 30; x < 36; ++x) {
        QSize painted;
        const QImage image = RenderDiagram(DiagramKind::Small, [&](QPainter& p) {
            painted = QSize(p.device()->width(), p.device()->height());
            p.fillRect(QRect(x, 0, 3, 465), Qt::black);        // a played string, 3 px
            p.fillRect(QRect(x + 150, 0, 1, 465), Qt::black);  // a muted string, 1 px
        });
        EXPECT_EQ(painted, QSize(313, 465));
        ASSERT_EQ(image.size(), QSize(104, 155));
        const int heavy = DarkestInColumns(image, 0, 60);
        const int thin = DarkestInColumns(image, 60, 104);
        EXPECT_LT(heavy, 60) << x;
        EXPECT_LT(thin, 200) << x;
        EXPECT_GT(thin, heavy + 40) << x;
        EXPECT_EQ(DarkestInColumn(image, 80), 255) << x;
    }
}

}  // namespace
}  // namespace fretwise::test
