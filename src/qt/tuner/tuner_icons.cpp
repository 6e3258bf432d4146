#include "qt/tuner/tuner_icons.hpp"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace fretwise {

namespace {

constexpr int kSize = 20;

// Paints the picture at two resolutions so it stays sharp on high-density screens.
QIcon DrawIcon(const std::function<void(QPainter&)>& draw) {
    QIcon icon;
    for (int scale : {1, 2}) {
        QPixmap pixmap(kSize * scale, kSize * scale);
        pixmap.setDevicePixelRatio(scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        draw(painter);
        icon.addPixmap(pixmap);
    }
    return icon;
}

QLinearGradient Shade(QColor light, QColor dark) {
    QLinearGradient gradient(0, 2, 0, kSize - 2);
    gradient.setColorAt(0, light);
    gradient.setColorAt(1, dark);
    return gradient;
}

}  // namespace

QIcon PlayIcon() {
    return DrawIcon([](QPainter& p) {
        QPainterPath triangle;
        triangle.moveTo(5.5, 3.5);
        triangle.lineTo(16.5, 10);
        triangle.lineTo(5.5, 16.5);
        triangle.closeSubpath();
        p.setPen(QPen(QColor(0x1b, 0x5e, 0x20), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Shade(QColor(0x66, 0xbb, 0x6a), QColor(0x2e, 0x7d, 0x32)));
        p.drawPath(triangle);
    });
}

QIcon StopIcon() {
    return DrawIcon([](QPainter& p) {
        p.setPen(QPen(QColor(0x8e, 0x1b, 0x1b), 1.0));
        p.setBrush(Shade(QColor(0xef, 0x53, 0x50), QColor(0xc6, 0x28, 0x28)));
        p.drawRoundedRect(QRectF(4.5, 4.5, 11, 11), 1.5, 1.5);
    });
}

QIcon NoteIcon(const QColor& ink) {
    return DrawIcon([&ink](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.save();
        p.translate(8.0, 15.0);
        p.rotate(-20);
        p.drawEllipse(QRectF(-3.6, -2.6, 7.2, 5.2));
        p.restore();
        p.setPen(QPen(ink, 1.4, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(11.0, 14.0), QPointF(11.0, 2.5));
        QPainterPath flag;
        flag.moveTo(11.0, 2.5);
        flag.cubicTo(11.5, 6.0, 16.5, 6.5, 15.0, 11.5);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(flag);
    });
}

}  // namespace fretwise
