#include "qt/painters/staff_painter.hpp"

#include <QPainter>
#include <QPainterPath>

#include "qt/painters/paint_helpers.hpp"
#include "qt/painters/treble_clef.hpp"
#include "window/geometry.hpp"

namespace fretwise {
namespace {

namespace g = geometry;

const QString kFamily = QStringLiteral("DejaVu Sans");
constexpr int kGLineY = g::kStaffBottomLineY - g::kStaffLineSpacing;  // the clef curls round it
constexpr double kHeadTilt = -20.0;  // degrees, as engraved note heads lean
constexpr int kSignReach = 120;      // from a sign label's left to its head's left
constexpr int kSignBoxHeight = 194;  // twice the distance from a sign's top to its head's centre

void PaintLines(QPainter& painter, const StaffView& staff, const StaffStyle& style) {
    for (int y = g::kStaffTopLineY; y <= g::kStaffBottomLineY; y += g::kStaffLineSpacing) {
        HorizontalLine(painter, y, g::kStaffLineLeft, g::kStaffLineRight, 1, style.ink);
    }
    VerticalLine(painter, g::kStaffLineLeft, g::kStaffTopLineY, g::kStaffBottomLineY, 2, style.ink);
    for (int n = 0; n < staff.upperLedgers && n < g::kUpperLedgerCount; ++n) {
        HorizontalLine(painter, g::UpperLedgerY(n), g::kLedgerLeft, g::kLedgerRight, 1, style.ink);
    }
    for (int n = 0; n < staff.lowerLedgers && n < g::kLowerLedgerCount; ++n) {
        HorizontalLine(painter, g::LowerLedgerY(n), g::kLedgerLeft, g::kLedgerRight, 1, style.ink);
    }
}

void PaintClef(QPainter& painter, const StaffStyle& style) {
    const double space = TwipsToPxF(g::kStaffLineSpacing);
    const QPointF curl(TwipsToPxF(g::kClefLeft + g::kClefWidth / 2.0), TwipsToPxF(kGLineY));
    painter.setPen(Qt::NoPen);
    painter.setBrush(style.ink);
    painter.drawPath(TrebleClefPath(space).translated(curl));
}

void PaintHeads(QPainter& painter, const StaffView& staff, const StaffStyle& style) {
    const double width = TwipsToPxF(g::kHeadWidth);
    const double height = TwipsToPxF(g::kHeadHeight);
    painter.setPen(Qt::NoPen);
    painter.setBrush(style.ink);
    for (const StaffItemView& head : staff.heads) {
        if (!head.visible) {
            continue;
        }
        painter.save();
        painter.translate(TwipsToPxF(head.left) + width / 2, TwipsToPxF(head.top) + height / 2);
        painter.rotate(kHeadTilt);
        painter.drawEllipse(QPointF(0, 0), width / 2, height * 0.42);
        painter.restore();
    }
}

// The sign of a label: "#" and "b" are drawn as the musical sharp and flat.
QString AccidentalSign(const std::string& text) {
    if (text == "#") {
        return QString(QChar(0x266F));
    }
    if (text == "b") {
        return QString(QChar(0x266D));
    }
    return Text(text).trimmed();
}

void PaintAccidentals(QPainter& painter, const StaffView& staff, const StaffStyle& style) {
    painter.setPen(style.ink);
    painter.setFont(PixelFont(kFamily, 17));
    for (int i = 0; i < kStringCount; ++i) {
        const StaffItemView& sign = staff.accidentals[i];
        if (!sign.visible) {
            continue;
        }
        // The sign ends where an unshifted head begins, centred on the head's height.
        const QRectF box(TwipsToPxF(sign.left - kSignReach), TwipsToPxF(sign.top),
                         TwipsToPxF(2 * kSignReach) - 1, TwipsToPxF(kSignBoxHeight));
        painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, AccidentalSign(sign.text));
    }
}

void PaintFingers(QPainter& painter, const StaffView& staff, const StaffStyle& style) {
    painter.setPen(style.fingerText);
    painter.setFont(PixelFont(QStringLiteral("Liberation Sans"), 9, true));
    for (const StaffItemView& finger : staff.fingers) {
        if (finger.visible && !finger.text.empty()) {
            const QRectF box(TwipsToPxF(finger.left), TwipsToPxF(finger.top),
                             TwipsToPxF(g::kStaffFingerWidth), TwipsToPxF(g::kStaffFingerHeight));
            painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, Text(finger.text));
        }
    }
}

}  // namespace

void PaintStaff(QPainter& painter, const StaffView& staff, const StaffStyle& style) {
    painter.save();
    painter.fillRect(TwipsRect(0, 0, g::kStaffWidth, g::kStaffHeight), style.background);
    PaintLines(painter, staff, style);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintClef(painter, style);
    PaintHeads(painter, staff, style);
    PaintAccidentals(painter, staff, style);
    PaintFingers(painter, staff, style);
    painter.restore();
}

}  // namespace fretwise
