#include "qt/export/print_page.hpp"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include "qt/painters/twips.hpp"
#include "window/window_layout.hpp"

namespace fretwise {

namespace {

// The chord diagram's page frames the fretboard where the window's frame has it, as far as
// the analysis panel.
constexpr layout::TwipsRect kFrame = layout::kChordFrame;
constexpr layout::TwipsRect kFretboard = layout::kFretboard;
constexpr int kStaffWidth = layout::kStaff.width;
constexpr int kStaffHeight = layout::kStaff.height;
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
    const QRect frame =
        TwipsRect(kFrame.left, kFrame.top, layout::kAnalysisPanel.left, kFrame.height);
    const QRect board = TwipsRect(kFrame.left + kFretboard.left, kFrame.top + kFretboard.top,
                                  kFretboard.width, kFretboard.height);
    return {frame, board};
}

PageLayout NoteDiagramPage() {
    const QRect frame =
        TwipsRect(kFrame.left, kNotesFrameTop, kStaffWidth + 240, kStaffHeight + 360);
    const QRect staff = TwipsRect(kFrame.left + kNotesStaffLeft, kNotesFrameTop + kNotesStaffTop,
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
