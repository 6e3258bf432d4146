#pragma once

#include <cstddef>

#include "core/song/song_sheet.hpp"
#include "qt/painters/chord_box_painter.hpp"
#include "qt/painters/sheet_layout.hpp"

class QPainter;

namespace fretwise {

// Paints one page of a laid out sheet, in points from the page's top left: its texts, the
// rules beside the choruses, the frames of boxed comments and the chord diagrams.
void PaintSheetPage(QPainter& painter, const SongSheet& sheet, const SheetLayout& layout,
                    std::size_t page, const ChordBoxStyle& style);

}  // namespace fretwise
