#include "qt/export/print_page.hpp"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include "qt/painters/twips.hpp"
#include "window/geometry.hpp"

namespace fretwise {

namespace {

// The frame lies at 120, 120 in the window; the analysis panel, the staff and the creation panel
// start 5160 twips into the frame.
constexpr int kFrameLeft = 120;
constexpr int kFrameTop = 120;
constexpr int kFrameHeight = 7695;
constexpr int kAnalysisLeft = 5160;
constexpr int kFretboardLeft = 240;
constexpr int kFretboardTop = 480;
constexpr int kFretboardWidth = geometry::kFretboardWidth;
constexpr int kFretboardHeight = geometry::kFretboardHeight;
constexpr int kStaffWidth = geometry::kStaffWidth;
constexpr int kStaffHeight = geometry::kStaffHeight;
// For the note diagram the frame moves down to 240 and the staff to 120, 240 inside it.
constexpr int kNotesFrameTop = 240;
constexpr int kNotesStaffLeft = 120;
constexpr int kNotesStaffTop = 240;

QFont CaptionFont() {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(12);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

}  // namespace

PageLayout ChordDiagramPage() {
    const QRect frame = TwipsRect(kFrameLeft, kFrameTop, kAnalysisLeft, kFrameHeight);
    const QRect board = TwipsRect(kFrameLeft + kFretboardLeft, kFrameTop + kFretboardTop,
                                  kFretboardWidth, kFretboardHeight);
    return {frame, board};
}

PageLayout NoteDiagramPage() {
    const QRect frame =
        TwipsRect(kFrameLeft, kNotesFrameTop, kStaffWidth + 240, kStaffHeight + 360);
    const QRect staff = TwipsRect(kFrameLeft + kNotesStaffLeft, kNotesFrameTop + kNotesStaffTop,
                                  kStaffWidth, kStaffHeight);
    return {frame, staff};
}

void PaintPage(QPainter& painter, const PageLayout& layout, const QString& caption,
               const std::function<void(QPainter&)>& paintDiagram) {
    painter.save();
    const QFont font = CaptionFont();
    const QFontMetrics metrics(font);
    const QRect& frame = layout.frame;
    // The frame's border runs through the middle of its caption, as a group box's does.
    const int borderTop = frame.top() + metrics.height() / 2;
    painter.setPen(QPen(QColor(128, 128, 128), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(
        QRectF(frame.left() + 0.5, borderTop + 0.5, frame.width() - 1, frame.bottom() - borderTop));
    if (!caption.isEmpty()) {
        const QRect text(frame.left() + 8, frame.top(), metrics.horizontalAdvance(caption) + 6,
                         metrics.height());
        painter.fillRect(text, Qt::white);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(text, Qt::AlignCenter, caption);
    }
    painter.setClipRect(layout.diagram);
    painter.translate(layout.diagram.topLeft());
    paintDiagram(painter);
    painter.restore();
}

}  // namespace fretwise
