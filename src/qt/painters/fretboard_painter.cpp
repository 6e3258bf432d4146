#include "qt/painters/fretboard_painter.hpp"

#include <QPainter>

#include "qt/painters/paint_helpers.hpp"
#include "window/fretboard_view.hpp"
#include "window/geometry.hpp"

namespace fretwise {
namespace {

namespace g = geometry;

const QString kFamily = QStringLiteral("Liberation Sans");
constexpr int kDash = 4;
constexpr int kDashGap = 3;

void PaintShortName(QPainter& painter, const FretboardView& board, const FretboardStyle& style) {
    painter.setPen(style.ink);
    painter.setFont(PixelFont(kFamily, 48, true));
    painter.drawText(TwipsRect(0, 0, g::kShortNameWidth, g::kShortNameHeight), Qt::AlignCenter,
                     Text(board.shortName));
}

void PaintDashedString(QPainter& painter, int x, const StringLineView& line, const QColor& ink) {
    const int left = TwipsToPx(x);
    const int bottom = TwipsToPx(line.bottom);
    for (int y = TwipsToPx(line.top); y <= bottom; y += kDash + kDashGap) {
        painter.fillRect(QRect(left, y, 1, std::min(kDash, bottom - y + 1)), ink);
    }
}

void PaintStrings(QPainter& painter, const FretboardView& board, const FretboardStyle& style) {
    for (int i = 0; i < kStringCount; ++i) {
        const StringLineView& line = board.strings[i];
        if (line.dashed) {
            PaintDashedString(painter, StringLineX(board, i), line, style.ink);
        } else {
            VerticalLine(painter, StringLineX(board, i), line.top, line.bottom, style.stringWidth,
                         style.ink);
        }
    }
}

void PaintFretLines(QPainter& painter, const FretboardView& board, const FretboardStyle& style) {
    for (const FretLineView& fret : board.fretLines) {
        if (fret.visible) {
            HorizontalLine(painter, fret.y, g::kFretLineLeft, g::kFretLineRight,
                           fret.width * style.fretWidthFactor, style.ink);
        }
    }
}

void PaintBar(QPainter& painter, const BarView& bar, const FretboardStyle& style) {
    if (bar.visible) {
        HorizontalLine(painter, bar.y, bar.x1, bar.x2, g::kBarLineWidth * style.barWidthFactor,
                       style.ink);
    }
}

void PaintMarkers(QPainter& painter, const FretboardView& board, const FretboardStyle& style) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(PixelFont(kFamily, 17, true));
    for (int i = 0; i < kStringCount; ++i) {
        const MarkerView& marker = board.markers[i];
        if (!marker.visible) {
            continue;
        }
        const int left = StringLineX(board, i) - g::kMarkerLeftOfString;
        const QRectF box(TwipsToPxF(left), TwipsToPxF(marker.top), TwipsToPxF(g::kMarkerSize),
                         TwipsToPxF(g::kMarkerSize));
        painter.setPen(Qt::NoPen);
        painter.setBrush(style.marker);
        painter.drawEllipse(box.adjusted(0.5, 0.5, -0.5, -0.5));
        painter.setPen(style.markerText);
        painter.drawText(box, Qt::AlignCenter, Text(marker.fingerText));
    }
    painter.restore();
}

void PaintStringLabels(QPainter& painter, const FretboardView& board, const FretboardStyle& style) {
    painter.setPen(style.ink);
    painter.setFont(PixelFont(kFamily, 15, true));
    for (int i = 0; i < kStringCount; ++i) {
        QRectF box(0, TwipsToPxF(g::kStringLabelTop), TwipsToPxF(g::kStringLabelWidth),
                   TwipsToPxF(g::kStringLabelHeight));
        box.moveCenter(QPointF(TwipsToPxF(StringLineX(board, i)) + 0.5, box.center().y()));
        painter.drawText(box, Qt::AlignCenter, Text(board.stringLabels[i]));
    }
}

void PaintFretLabel(QPainter& painter, const FretLabelView& label, const FretboardStyle& style) {
    painter.setPen(style.ink);
    painter.setFont(PixelFont(kFamily, 11));
    const QRect box =
        TwipsRect(g::kFretLabelLeft, label.top, g::kFretLabelWidth, g::kFretLabelHeight);
    painter.drawText(box.adjusted(3, 0, 20, 0), Qt::AlignLeft | Qt::AlignVCenter,
                     Text(label.caption));
}

// The capo: a bar across the strings just above the nut, while the nut is in view.
void PaintCapo(QPainter& painter, const FretboardView& board, const FretboardStyle& style) {
    if (board.capoCaption.empty() || board.fretLines.empty() || !board.fretLines[0].visible) {
        return;
    }
    const int y = board.fretLines[0].y;
    painter.fillRect(TwipsRect(g::StringX(kStringCount - 1) - g::kCapoOverhang, y - g::kCapoHeight,
                               g::StringX(0) - g::StringX(kStringCount - 1) + 2 * g::kCapoOverhang,
                               g::kCapoHeight),
                     style.ink);
}

// "Capo 2" at the right and the open strings of a tuning other than standard at the left of
// the band above the string names.
void PaintStringsCaptions(QPainter& painter, const FretboardView& board,
                          const FretboardStyle& style) {
    painter.setPen(style.ink);
    painter.setFont(PixelFont(kFamily, 13, true));
    const QRect band =
        TwipsRect(g::kFretLineLeft - g::kCapoOverhang, 0,
                  g::kFretLineRight - g::kFretLineLeft + 2 * g::kCapoOverhang, g::kStringLabelTop);
    painter.drawText(band, Qt::AlignLeft | Qt::AlignVCenter, Text(board.tuningCaption));
    painter.drawText(band, Qt::AlignRight | Qt::AlignVCenter, Text(board.capoCaption));
}

}  // namespace

void PaintFretboard(QPainter& painter, const FretboardView& board, const FretboardStyle& style) {
    painter.save();
    painter.fillRect(TwipsRect(0, 0, g::kFretboardWidth, g::kFretboardHeight), style.background);
    if (style.shortName) {
        PaintShortName(painter, board, style);
    }
    PaintStrings(painter, board, style);
    PaintFretLines(painter, board, style);
    PaintBar(painter, board.bar, style);
    PaintCapo(painter, board, style);
    PaintMarkers(painter, board, style);
    if (style.stringLabels) {
        PaintStringLabels(painter, board, style);
        PaintStringsCaptions(painter, board, style);
    }
    if (style.fretLabel) {
        PaintFretLabel(painter, board.fretLabel, style);
    }
    painter.restore();
}

}  // namespace fretwise
