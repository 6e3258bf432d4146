#pragma once

#include <functional>

#include "qt/export/diagram_source.hpp"
#include "window/display_state.hpp"

namespace fretwise {

// The pictures of what the main window shows, painted by the window's own painting code in
// the export styles: on white, without the scroll bar, and for the small diagram with heavy
// lines and the short name.
DiagramPainter DiagramOf(const DisplayState& display, DiagramKind kind);
PagePainter PageOf(const DisplayState& display, PrintKind kind);

// A DiagramSource over what the window shows now.
class WindowDiagrams : public DiagramSource {
  public:
    explicit WindowDiagrams(std::function<DisplayState()> display) : display_(std::move(display)) {}

    DiagramPainter Diagram(DiagramKind kind) const override { return DiagramOf(display_(), kind); }
    PagePainter Page(PrintKind kind) const override { return PageOf(display_(), kind); }
    std::string ChordCaption() const override { return display_().chordCaption; }

  private:
    std::function<DisplayState()> display_;
};

}  // namespace fretwise
