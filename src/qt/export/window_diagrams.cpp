#include "qt/export/window_diagrams.hpp"

#include <QPainter>

#include "qt/export/print_page.hpp"
#include "qt/painters/fretboard_painter.hpp"
#include "qt/painters/staff_painter.hpp"

namespace fretwise {

namespace {

FretboardStyle StyleOf(DiagramKind kind) {
    return kind == DiagramKind::Small ? FretboardStyle::SmallChordDiagram()
                                      : FretboardStyle::ChordDiagram();
}

}  // namespace

DiagramPainter DiagramOf(const DisplayState& display, DiagramKind kind) {
    if (kind == DiagramKind::Notes) {
        return [staff = display.staff](QPainter& painter) {
            PaintStaff(painter, staff, StaffStyle{});
        };
    }
    return [board = display.fretboard, style = StyleOf(kind)](QPainter& painter) {
        PaintFretboard(painter, board, style);
    };
}

PagePainter PageOf(const DisplayState& display, PrintKind kind) {
    const bool chord = kind == PrintKind::ChordDiagram;
    return [layout = chord ? ChordDiagramPage() : NoteDiagramPage(),
            caption = QString::fromStdString(display.chordCaption),
            diagram = DiagramOf(display, chord ? DiagramKind::Chord : DiagramKind::Notes)](
               QPainter& painter) { PaintPage(painter, layout, caption, diagram); };
}

}  // namespace fretwise
