#pragma once

#include "core/song/song_sheet.hpp"
#include "qt/export/alerts.hpp"
#include "qt/export/sheet_file.hpp"
#include "window/window.hpp"

class QWidget;

namespace fretwise {

class MainWindow;

// Where a song's sheet is printed.
class SheetPrinter {
  public:
    enum class Outcome { Printed, Cancelled, Failed };
    virtual ~SheetPrinter() = default;
    virtual Outcome Print(const SongSheet& sheet, const SheetOptions& options) = 0;
};

// The print dialog, then the printer chosen there (a PDF file too).
class DialogSheetPrinter : public SheetPrinter {
  public:
    explicit DialogSheetPrinter(QWidget* parent) : parent_(parent) {}
    Outcome Print(const SongSheet& sheet, const SheetOptions& options) override;

  private:
    QWidget* parent_;
};

// File > "Print Song..." and "Save Song Sheet...", and the song window's "Print Song..."
// button: the chord sheet of the song open, with its lyrics, the diagrams drawn for the hand
// the fretboard is drawn for.
class SongExport {
  public:
    SongExport(MainWindow& window, const Window& logic, Dialogs& dialogs, Alerts& alerts,
               SheetPrinter& printer);

    // Nothing without a song open. A printer that fails says "Error printing song! - Print
    // cancelled".
    void PrintSong();
    // Asks for a file; its extension chooses PDF, SVG or PNG. A file that cannot be written,
    // or another extension, says "Error saving file".
    void SaveSongSheet();

  private:
    std::optional<SongSheet> Sheet() const;
    SheetOptions Options() const;

    const Window& logic_;
    Dialogs& dialogs_;
    Alerts& alerts_;
    SheetPrinter& printer_;
};

}  // namespace fretwise
