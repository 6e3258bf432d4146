#include "export/diagram_image.hpp"

#include <QPainter>

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

}  // namespace

QImage RenderDiagram(DiagramKind kind, const DiagramPainter& paint) {
    const QImage painted = PaintOnWhite(PaintedSize(kind), paint);
    if (kind != DiagramKind::Small) {
        return painted;
    }
    // Area averaging keeps the 3-pixel strings and the 4-pixel fret lines as solid grey-black
    // lines a pixel wide instead of dropping two rows out of three.
    return painted.scaled(DiagramSize(kind), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

}  // namespace fretwise
