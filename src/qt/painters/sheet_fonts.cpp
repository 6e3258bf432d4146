#include "qt/painters/sheet_fonts.hpp"

#include <array>

#include "qt/painters/unit_font.hpp"

namespace fretwise {

namespace {

struct FontRow {
    double size;  // points
    bool bold;
    bool italic;
    bool fixed;
};

// By SheetFont.
constexpr std::array<FontRow, 9> kFonts = {{
    {20.0, true, false, false},   // Title
    {12.0, false, false, false},  // Subtitle
    {11.0, false, true, false},   // Info
    {10.0, true, false, false},   // Chord
    {11.0, false, false, false},  // Words
    {10.5, false, false, false},  // Comment
    {10.5, false, true, false},   // CommentItalic
    {11.0, true, false, false},   // Label
    {9.0, false, false, true},    // Fixed
}};

const FontRow& RowOf(SheetFont font) {
    return kFonts[static_cast<std::size_t>(font)];
}

}  // namespace

QFont SheetFontOf(const QPainter& painter, SheetFont font, double scale) {
    const FontRow& row = RowOf(font);
    QFont shown =
        UnitFont(painter, row.size * scale, row.bold,
                 row.fixed ? QStringLiteral("DejaVu Sans Mono") : QStringLiteral("DejaVu Sans"));
    shown.setItalic(row.italic);
    return shown;
}

double SheetLineHeight(SheetFont font) {
    return RowOf(font).size * 1.3;
}

double SheetAscent(SheetFont font) {
    return RowOf(font).size * 1.0;
}

}  // namespace fretwise
