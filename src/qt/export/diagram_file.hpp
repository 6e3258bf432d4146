#pragma once

#include <QString>
#include <optional>

#include "qt/export/diagram_image.hpp"

namespace fretwise {

enum class DiagramFileFormat { Bmp, Png, Svg };

// The format named by the file's extension (any case): ".bmp", ".png" or ".svg"; none for
// any other name.
std::optional<DiagramFileFormat> FormatFromExtension(const QString& path);

// The format the save command writes: PNG and SVG when the name says so, a bitmap otherwise.
DiagramFileFormat SaveFormatFor(const QString& path);

// The name with ".bmp" added when its file name has no extension.
QString WithBitmapExtension(const QString& path);

// The file's bytes: a 24-bit BMP, a PNG, or an SVG drawn by the same painting code.
QByteArray EncodeDiagram(DiagramKind kind, const DiagramPainter& paint, DiagramFileFormat format);

// Writes the diagram atomically; false when encoding or writing fails (an old file stays).
bool WriteDiagramFile(const QString& path, DiagramKind kind, const DiagramPainter& paint,
                      DiagramFileFormat format);

}  // namespace fretwise
