#include "qt/painters/sheet_painter.hpp"

#include <QPainter>

#include "qt/painters/sheet_fonts.hpp"

namespace fretwise {

namespace {

constexpr double kChorusBarWidth = 1.5;
constexpr double kFrameWidth = 0.75;

}  // namespace

void PaintSheetPage(QPainter& painter, const SongSheet& sheet, const SheetLayout& layout,
                    std::size_t pageIndex, const ChordBoxStyle& style) {
    const SheetPage& page = layout.pages.at(pageIndex);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(style.ink);
    for (const SheetText& text : page.texts) {
        painter.setFont(SheetFontOf(painter, text.font));
        painter.drawText(text.baseline, text.text);
    }
    painter.setPen(QPen(style.ink, kChorusBarWidth));
    for (const QLineF& bar : page.chorusBars) {
        painter.drawLine(bar);
    }
    painter.setPen(QPen(style.ink, kFrameWidth));
    painter.setBrush(Qt::NoBrush);
    for (const QRectF& frame : page.frames) {
        painter.drawRect(frame);
    }
    for (const SheetDiagram& diagram : page.diagrams) {
        const SheetChord& chord = sheet.chords.at(diagram.chord);
        PaintChordBox(painter, diagram.box, QString::fromStdString(chord.name),
                      chord.shape ? &*chord.shape : nullptr, style);
    }
    painter.restore();
}

}  // namespace fretwise
