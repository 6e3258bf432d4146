#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <optional>

#include "core/song/song_sheet.hpp"
#include "qt/painters/chord_box_painter.hpp"
#include "qt/painters/sheet_layout.hpp"

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

// The file's bytes: a PDF of one page a sheet page; an SVG or a PNG of the pages one below the
// other. Empty when encoding fails.
QByteArray EncodeSheet(const SongSheet& sheet, const SheetOptions& options, SheetFormat format);

// Writes the sheet atomically; false when encoding or writing fails (an old file stays).
bool WriteSheetFile(const QString& path, const SongSheet& sheet, const SheetOptions& options,
                    SheetFormat format);

// Prints the pages on the paper the printer holds (Letter, or else A4; options.paper is not
// read); false when the printer cannot be used.
bool PrintSheet(QPrinter& printer, const SongSheet& sheet, const SheetOptions& options);

// The paper of the user's country: Letter where inches are used, A4 elsewhere.
PaperSize LocalPaper();

}  // namespace fretwise
