#pragma once

#include <QImage>
#include <functional>

#include "qt/export/diagram_kind.hpp"

class QPainter;

namespace fretwise {

// Paints one diagram at its painted size (PaintedSize) in logical pixels, origin top left,
// onto a background that is already white.
using DiagramPainter = std::function<void(QPainter&)>;

// Renders the diagram into an RGB32 image of exactly DiagramSize(kind) pixels. The small
// diagram is painted full size and shrunk smoothly, so its heavy lines stay visible.
QImage RenderDiagram(DiagramKind kind, const DiagramPainter& paint);

}  // namespace fretwise
