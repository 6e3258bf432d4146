#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <optional>

#include "core/song/song_sheet.hpp"
#include "qt/export/sheet_layout.hpp"
#include "qt/painters/chord_box_painter.hpp"

class QPainter;
class QPrinter;

namespace fretwise {

enum class SheetFormat { Pdf, Svg, Png };

// The format named by the file's extension (any case): ".pdf", ".svg" or ".png".
std::optional<SheetFormat> SheetFormatOf(const QString& path);

struct SheetOptions {
    PaperSize paper = PaperSize::A4;
    bool leftHanded = false;
};

// A PNG has this many pixels to the inch.
constexpr int kSheetPngDpi = 150;

// Paints one page of a laid out sheet, in points from the page's top left, on white.
void PaintSheetPage(QPainter& painter, const SongSheet& sheet, const SheetLayout& layout,
                    std::size_t page, const ChordBoxStyle& style);

// The file's bytes: a PDF of one page a sheet page; an SVG or a PNG of the pages one below the
// other. Empty when encoding fails.
QByteArray EncodeSheet(const SongSheet& sheet, const SheetOptions& options, SheetFormat format);

// Writes the sheet atomically; false when encoding or writing fails (an old file stays).
bool WriteSheetFile(const QString& path, const SongSheet& sheet, const SheetOptions& options,
                    SheetFormat format);

// Prints the pages; false when the printer cannot be used.
bool PrintSheet(QPrinter& printer, const SongSheet& sheet, const SheetOptions& options);

}  // namespace fretwise
