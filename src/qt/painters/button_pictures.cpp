#include "qt/painters/button_pictures.hpp"

#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmap>
#include <QPolygonF>
#include <algorithm>
#include <functional>
#include <utility>

#include "qt/painters/paint_style.hpp"

namespace fretwise {
namespace {

using Drawing = std::function<void(QPainter&, const QRectF&, const QColor&)>;

// Paints a picture straight into whatever size and device pixel ratio Qt asks for; the
// disabled look is the same drawing in grey.
class PaintedIconEngine : public QIconEngine {
  public:
    explicit PaintedIconEngine(Drawing drawing) : drawing_(std::move(drawing)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        drawing_(*painter, QRectF(rect),
                 ButtonInk(QGuiApplication::palette(), mode != QIcon::Disabled));
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return pixmap;
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        QPixmap pixmap(size * scale);
        pixmap.setDevicePixelRatio(scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return pixmap;
    }

    QIconEngine* clone() const override { return new PaintedIconEngine(drawing_); }

  private:
    Drawing drawing_;
};

// The largest square centred in the rectangle.
QRectF Square(const QRectF& rect) {
    const double side = std::min(rect.width(), rect.height());
    QRectF square(0, 0, side, side);
    square.moveCenter(rect.center());
    return square;
}

void DrawPlayTriangle(QPainter& painter, const QRectF& rect, const QColor& ink) {
    const QRectF box = Square(rect);
    const double s = box.width();
    QPolygonF triangle{QPointF(box.left() + 0.22 * s, box.top() + 0.12 * s),
                       QPointF(box.left() + 0.88 * s, box.top() + 0.50 * s),
                       QPointF(box.left() + 0.22 * s, box.top() + 0.88 * s)};
    painter.setPen(QPen(ink, 0.06 * s, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(ink);
    painter.drawPolygon(triangle);
}

void DrawStrumSign(QPainter& painter, const QRectF& rect, const QColor& ink) {
    const QRectF box = Square(rect);
    const double s = box.width();
    const double x = box.left() + 0.5 * s;
    const double top = box.top() + 0.06 * s;
    const double arrowTop = box.top() + 0.70 * s;
    const double tip = box.top() + 0.96 * s;

    QPainterPath wave(QPointF(x, top));
    constexpr int kWaves = 3;
    const double step = (arrowTop - top) / kWaves;
    for (int i = 0; i < kWaves; ++i) {
        const double y = top + i * step;
        wave.cubicTo(x + 0.2 * s, y + 0.25 * step, x + 0.2 * s, y + 0.25 * step, x, y + 0.5 * step);
        wave.cubicTo(x - 0.2 * s, y + 0.75 * step, x - 0.2 * s, y + 0.75 * step, x, y + step);
    }
    painter.setPen(QPen(ink, 0.09 * s, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(wave);

    QPolygonF head{QPointF(x - 0.2 * s, arrowTop - 0.02 * s),
                   QPointF(x + 0.2 * s, arrowTop - 0.02 * s), QPointF(x, tip)};
    painter.setPen(QPen(ink, 0.04 * s, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(ink);
    painter.drawPolygon(head);
}

}  // namespace

QIcon PlayPicture() {
    return QIcon(new PaintedIconEngine(DrawPlayTriangle));
}

QIcon StrumPicture() {
    return QIcon(new PaintedIconEngine(DrawStrumSign));
}

}  // namespace fretwise
