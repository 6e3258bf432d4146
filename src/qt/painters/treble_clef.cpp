#include "qt/painters/treble_clef.hpp"

#include <QPainterPathStroker>
#include <QPolygonF>
#include <QTransform>
#include <cmath>

namespace fretwise {
namespace {

// The pen's path in staff spaces (y grows downwards): the curl around the G line, the bowl,
// the rising back, the loop over the staff and the stem that ends in a hook.
QPainterPath CentreLine() {
    QPainterPath p(QPointF(0.30, 0.45));
    p.cubicTo(-0.25, 0.45, -0.35, -0.45, 0.25, -0.55);
    p.cubicTo(0.95, -0.65, 1.25, 0.15, 1.05, 0.65);
    p.cubicTo(0.85, 1.15, 0.30, 1.30, -0.15, 1.20);
    p.cubicTo(-0.95, 1.00, -1.25, 0.20, -0.95, -0.55);
    p.cubicTo(-0.60, -1.40, 0.55, -2.20, 0.65, -3.40);
    p.cubicTo(0.72, -4.20, 0.45, -4.70, 0.20, -4.50);
    p.cubicTo(-0.20, -3.60, 0.00, -2.60, 0.10, -1.80);
    p.cubicTo(0.20, -0.50, 0.45, 1.00, 0.45, 2.00);
    p.cubicTo(0.45, 2.70, -0.10, 2.95, -0.50, 2.70);
    return p;
}

// Sweeps a broad, slanted nib along the line, so that strokes running across the nib come
// out thick and strokes along it thin, as in an engraved clef.
QPainterPath NibSweep(const QPainterPath& line, double nibWidth, double nibAngle) {
    const QPointF half(std::cos(nibAngle) * nibWidth / 2, -std::sin(nibAngle) * nibWidth / 2);
    QPainterPath swept;
    swept.setFillRule(Qt::WindingFill);
    constexpr int kSteps = 400;
    QPointF previous = line.pointAtPercent(0);
    for (int i = 1; i <= kSteps; ++i) {
        const QPointF point = line.pointAtPercent(static_cast<double>(i) / kSteps);
        QPolygonF quad{previous + half, point + half, point - half, previous - half};
        const QPointF a = quad[1] - quad[0];
        const QPointF b = quad[3] - quad[0];
        if (a.x() * b.y() - a.y() * b.x() < 0) {
            quad = QPolygonF{quad[0], quad[3], quad[2], quad[1]};
        }
        quad << quad.first();
        swept.addPolygon(quad);
        previous = point;
    }
    return swept;
}

// Boolean path operations flatten curves with a fixed tolerance, so the outline is built
// at a large scale and shrunk afterwards.
constexpr double kBuildScale = 100.0;

QPainterPath ClefInStaffSpaces() {
    const QTransform up = QTransform::fromScale(kBuildScale, kBuildScale);
    const QPainterPath line = up.map(CentreLine());
    QPainterPathStroker hairline;
    hairline.setWidth(0.10 * kBuildScale);
    hairline.setCapStyle(Qt::RoundCap);
    hairline.setJoinStyle(Qt::RoundJoin);
    QPainterPath clef =
        NibSweep(line, 0.34 * kBuildScale, 0.65).united(hairline.createStroke(line));
    QPainterPath dot;
    dot.addEllipse(QPointF(-0.42, 2.32) * kBuildScale, 0.40 * kBuildScale, 0.40 * kBuildScale);
    const double down = 1.0 / kBuildScale;
    return QTransform::fromScale(down, down).map(clef.united(dot).simplified());
}

}  // namespace

QPainterPath TrebleClefPath(double space) {
    static const QPainterPath unit = ClefInStaffSpaces();
    return QTransform::fromScale(space, space).map(unit);
}

}  // namespace fretwise
