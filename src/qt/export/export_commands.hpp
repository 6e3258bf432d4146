#pragma once

#include <string_view>

#include "qt/export/alerts.hpp"
#include "qt/export/diagram_source.hpp"
#include "qt/export/printer.hpp"
#include "window/platform.hpp"

namespace fretwise {

inline constexpr std::string_view kBitmapFilter = "Bitmap|*.bmp";

// The diagram commands of the File menu: "&Copy", "Save as &Bitmap" and "&Print". They only
// read the window: the pictures are painted from a copy of what it shows, so the window stays
// exactly as it was on every path.
class ExportCommands {
  public:
    ExportCommands(const DiagramSource& source, Dialogs& dialogs, Alerts& alerts, Printer& printer)
        : source_(source), dialogs_(dialogs), alerts_(alerts), printer_(printer) {}

    // "&Copy" > the chord, small chord or note diagram: the picture onto the clipboard.
    void CopyDiagram(DiagramKind kind);

    // "Save as &Bitmap" > ...: asks for a name and writes the picture (BMP, or PNG or SVG
    // when the name ends so).
    void SaveDiagram(DiagramKind kind);

    // "&Print" > "&Chord Diagram..." or "&Note Diagram...": asks for the number of copies.
    void PrintDiagram(PrintKind kind);

  private:
    const DiagramSource& source_;
    Dialogs& dialogs_;
    Alerts& alerts_;
    Printer& printer_;
};

}  // namespace fretwise
