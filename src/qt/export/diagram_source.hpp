#pragma once

#include <string>

#include "qt/export/diagram_image.hpp"
#include "qt/export/printer.hpp"

namespace fretwise {

// What the printed page shows: the fretboard or the staff, each in the chord's frame.
enum class PrintKind { ChordDiagram, NoteDiagram };

// The pictures of the chord on show. Each painter works on a copy of what the window shows
// at the moment it is asked for, so nothing of the window is changed or kept.
class DiagramSource {
  public:
    virtual ~DiagramSource() = default;
    virtual DiagramPainter Diagram(DiagramKind kind) const = 0;
    virtual PagePainter Page(PrintKind kind) const = 0;
    // The chord's full name, the caption of the frame round the diagrams.
    virtual std::string ChordCaption() const = 0;
};

}  // namespace fretwise
