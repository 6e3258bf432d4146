#pragma once

#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "core/song/song_sheet.hpp"

namespace fretwise {

enum class PaperSize { A4, Letter };

// The names of the paper sizes on the command line.
constexpr std::string_view kA4Name = "a4";
constexpr std::string_view kLetterName = "letter";
std::optional<PaperSize> PaperNamed(std::string_view name);

// The page in points (1/72 inch), portrait.
QSizeF PaperPoints(PaperSize paper);

// The kinds of text on a sheet, each with its font.
enum class SheetFont { Title, Subtitle, Info, Chord, Words, Comment, CommentItalic, Label, Fixed };

struct SheetText {
    QPointF baseline;  // left end of the baseline
    QString text;
    SheetFont font;
};

struct SheetDiagram {
    QRectF box;
    std::size_t chord;  // its place among the sheet's chords
};

// What one page holds, in points from its top left corner.
struct SheetPage {
    std::vector<SheetText> texts;
    std::vector<SheetDiagram> diagrams;
    std::vector<QLineF> chorusBars;  // the rule beside the lines of a chorus
    std::vector<QRectF> frames;      // around boxed comments
};

struct SheetLayout {
    QSizeF paper;
    std::vector<SheetPage> pages;  // at least one
    double usedHeight = 0.0;       // down to the end of the last page's last line
};

// The white border of a printed page, in points.
constexpr double kPageMargin = 48.0;

// Places the sheet on pages: the title, subtitles, key and capo centred on top, the chord
// diagrams in rows, then the lyrics with each chord above the word it falls on, a line too wide
// for the page carried on to the next, the lyrics going on to further pages.
SheetLayout LayOutSheet(const SongSheet& sheet, PaperSize paper);

// The same on pages of any size (in points) with any border; the head and the diagrams take
// no room when the sheet has none.
SheetLayout LayOutSheetOn(const SongSheet& sheet, QSizeF page, double margin);

}  // namespace fretwise
