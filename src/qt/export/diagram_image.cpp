#include "qt/export/diagram_image.hpp"

#include <QPainter>
#include <array>

namespace fretwise {

namespace {

QImage PaintOnWhite(QSize size, const DiagramPainter& paint) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setClipRect(QRect(QPoint(0, 0), size));
    paint(painter);
    return image;
}

// Squares every channel (on a 0..1 scale): white stays white and black stays black, while
// the greys that shrinking leaves of thin lines and small text get darker, so a line that
// fell across two pixel columns still reads as a line.
void DarkenGreys(QImage& image) {
    std::array<uchar, 256> curve{};
    for (int v = 0; v < 256; ++v) {
        curve[v] = static_cast<uchar>(v * v / 255);
    }
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = line[x];
            line[x] = qRgb(curve[qRed(p)], curve[qGreen(p)], curve[qBlue(p)]);
        }
    }
}

}  // namespace

QImage RenderDiagram(DiagramKind kind, const DiagramPainter& paint) {
    const QImage painted = PaintOnWhite(PaintedSize(kind), paint);
    if (kind != DiagramKind::Small) {
        return painted;
    }
    // Area averaging keeps every line (a nearest-pixel shrink would drop two rows out of
    // three); darkening the greys keeps the heavy lines dark.
    QImage small =
        painted.scaled(DiagramSize(kind), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .convertToFormat(QImage::Format_RGB32);
    DarkenGreys(small);
    return small;
}

}  // namespace fretwise
