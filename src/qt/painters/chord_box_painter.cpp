#include "qt/painters/chord_box_painter.hpp"

#include "core/song/chord_define.hpp"
#include "qt/painters/unit_font.hpp"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace fretwise {

namespace {

// Where the parts of a box lie, as fractions of its size.
constexpr double kNameHeight = 0.17;
constexpr double kMarksHeight = 0.09;
constexpr double kBottomMargin = 0.03;
constexpr double kLeftMargin = 0.2;
constexpr double kRightMargin = 0.08;

}  // namespace

void PaintChordBox(QPainter& painter, const QRectF& box, const QString& name,
                   const Fingering* shape, const ChordBoxStyle& style) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (style.highlight.alpha() != 0) {
        painter.fillRect(box, style.highlight);
    }
    const double w = box.width();
    const double h = box.height();
    painter.setPen(style.ink);
    painter.setFont(UnitFont(painter, h * kNameHeight * 0.62, true));
    painter.drawText(QRectF(box.left(), box.top(), w, h * kNameHeight),
                     Qt::AlignHCenter | Qt::AlignVCenter, name);

    int firstFret = 1;
    int frets = kDiagramFrets;
    if (shape != nullptr) {
        firstFret = DiagramBaseFret(shape->Fret);
        for (const std::int16_t fret : shape->Fret) {
            frets = std::max(frets, fret - firstFret + 1);
        }
    }
    // The first fret's number goes on the side of the low E string.
    const double left = box.left() + w * (style.leftHanded ? kRightMargin : kLeftMargin);
    const double right = box.right() - w * (style.leftHanded ? kLeftMargin : kRightMargin);
    const double top = box.top() + h * (kNameHeight + kMarksHeight);
    const double bottom = box.bottom() - h * kBottomMargin;
    const double stringGap = (right - left) / (kStringCount - 1);
    const double fretGap = (bottom - top) / frets;
    const double line = std::max(w / 110.0, 0.3);
    // The x of string s: the low E string on the left, or on the right for a left hand.
    const auto stringX = [&](int s) {
        const int column = style.leftHanded ? s : kStringCount - 1 - s;
        return left + column * stringGap;
    };

    painter.setPen(QPen(style.ink, line));
    for (int s = 0; s < kStringCount; ++s) {
        painter.drawLine(QPointF(stringX(s), top), QPointF(stringX(s), bottom));
    }
    for (int f = 0; f <= frets; ++f) {
        painter.drawLine(QPointF(left, top + f * fretGap), QPointF(right, top + f * fretGap));
    }
    if (firstFret == 1) {
        painter.fillRect(QRectF(left - line / 2, top - line * 3, right - left + line, line * 3),
                         style.ink);
    } else {
        painter.setFont(UnitFont(painter, fretGap * 0.55, false));
        const double room = w * kLeftMargin - line * 2;
        const QRectF label(style.leftHanded ? right + line * 2 : box.left(), top, room, fretGap);
        painter.drawText(label,
                         (style.leftHanded ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter,
                         QStringLiteral("%1fr").arg(firstFret));
    }
    if (shape == nullptr) {
        painter.setFont(UnitFont(painter, fretGap * 1.4, true));
        painter.drawText(QRectF(left, top, right - left, bottom - top), Qt::AlignCenter,
                         QStringLiteral("?"));
        painter.restore();
        return;
    }

    // x and o above the nut.
    const double mark = std::min(stringGap, h * kMarksHeight) * 0.32;
    const double markY = top - h * kMarksHeight / 2 - line * 1.5;
    painter.setPen(QPen(style.ink, line));
    painter.setBrush(Qt::NoBrush);
    for (int s = 0; s < kStringCount; ++s) {
        const double x = stringX(s);
        if (shape->Fret[s] == 0) {
            painter.drawEllipse(QPointF(x, markY), mark, mark);
        } else if (shape->Fret[s] < 0) {
            painter.drawLine(QPointF(x - mark, markY - mark), QPointF(x + mark, markY + mark));
            painter.drawLine(QPointF(x - mark, markY + mark), QPointF(x + mark, markY - mark));
        }
    }

    // The barre, then a dot on every other fretted string.
    const double radius = std::min(stringGap, fretGap) * 0.38;
    const auto fretY = [&](int fret) { return top + (fret - firstFret + 0.5) * fretGap; };
    const auto underBarre = [&](int s) {
        return shape->HasBarre() && s >= shape->BarreFrom && s <= shape->BarreTo &&
               shape->Fret[s] == shape->BarreFret;
    };
    painter.setFont(UnitFont(painter, radius * 1.35, true));
    const auto number = [&](QPointF at, int finger) {
        if (finger >= 1) {
            painter.setPen(style.paper);
            painter.drawText(QRectF(at.x() - radius, at.y() - radius, 2 * radius, 2 * radius),
                             Qt::AlignCenter, QString::number(finger));
        }
    };
    painter.setPen(Qt::NoPen);
    painter.setBrush(style.ink);
    if (shape->HasBarre()) {
        const double x1 = stringX(shape->BarreFrom);
        const double x2 = stringX(shape->BarreTo);
        const double y = fretY(shape->BarreFret);
        painter.drawRoundedRect(QRectF(std::min(x1, x2) - radius, y - radius,
                                       std::abs(x2 - x1) + 2 * radius, 2 * radius),
                                radius, radius);
        number(QPointF((x1 + x2) / 2, y), shape->Finger[shape->BarreFrom]);
        painter.setPen(Qt::NoPen);
    }
    for (int s = 0; s < kStringCount; ++s) {
        if (shape->Fret[s] >= 1 && !underBarre(s)) {
            const QPointF at(stringX(s), fretY(shape->Fret[s]));
            painter.drawEllipse(at, radius, radius);
            number(at, shape->Finger[s]);
            painter.setPen(Qt::NoPen);
        }
    }
    painter.restore();
}

}  // namespace fretwise
