#pragma once

#include <string_view>

#include "export/alerts.hpp"
#include "export/diagram_source.hpp"
#include "export/printer.hpp"
#include "window/platform.hpp"

namespace fretwise {

inline constexpr std::string_view kBitmapFilter = "Bitmap|*.bmp";
inline constexpr std::string_view kSaveError = "Error saving file";

// The diagram commands of the File menu: "&Copy" and "Save as &Bitmap" (mnuCopyC 0-5) and
// "&Print" (mnuPrintCD, mnuPrintND). They only read the window: the pictures are painted from
// a copy of what it shows, so the window stays exactly as it was on every path.
class ExportCommands {
  public:
    ExportCommands(const DiagramSource& source, Dialogs& dialogs, Alerts& alerts, Printer& printer)
        : source_(source), dialogs_(dialogs), alerts_(alerts), printer_(printer) {}

    // 0-2 copy the chord, small chord or note diagram to the clipboard; 3-5 save it.
    void MnuCopyCClick(int index);
    // 3-5: save the picture of index mod 3.
    void MnuSaveCClick(int index) { MnuCopyCClick(index); }

    void MnuPrintCDClick() { Print(PrintKind::ChordDiagram); }
    void MnuPrintNDClick() { Print(PrintKind::NoteDiagram); }

  private:
    void CopyToClipboard(DiagramKind kind);
    void SaveToFile(DiagramKind kind);
    void Print(PrintKind kind);

    const DiagramSource& source_;
    Dialogs& dialogs_;
    Alerts& alerts_;
    Printer& printer_;
};

}  // namespace fretwise
