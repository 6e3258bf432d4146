#include "qt/export/diagram_file.hpp"

#include <QBuffer>
#include <QFileInfo>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgGenerator>

#include "core/storage/atomic_file.hpp"

namespace fretwise {

namespace {

QByteArray EncodeRaster(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format)) {
        return {};
    }
    return bytes;
}

// The generator gives the size in millimetres at its own resolution, which viewers turn into
// different pixel sizes; state it in pixels so every viewer shows the diagram's exact size.
QByteArray WithPixelSize(QByteArray svg, QSize size) {
    static const QRegularExpression kSize(R"(<svg width="[^"]*" height="[^"]*")");
    const QString header =
        QStringLiteral(R"(<svg width="%1" height="%2")").arg(size.width()).arg(size.height());
    const QString text = QString::fromUtf8(svg).replace(kSize, header);
    return text.toUtf8();
}

QByteArray EncodeSvg(DiagramKind kind, const DiagramPainter& paint) {
    const QSize size = DiagramSize(kind);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(QStringLiteral("Fretwise diagram"));
    QPainter painter;
    if (!painter.begin(&svg)) {
        return {};
    }
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    painter.setClipRect(QRect(QPoint(0, 0), size));
    if (kind == DiagramKind::Small) {
        const QSize full = PaintedSize(kind);
        painter.scale(double(size.width()) / full.width(), double(size.height()) / full.height());
    }
    paint(painter);
    painter.end();
    return WithPixelSize(bytes, size);
}

}  // namespace

std::optional<DiagramFileFormat> FormatFromExtension(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("bmp")) {
        return DiagramFileFormat::Bmp;
    }
    if (suffix == QLatin1String("png")) {
        return DiagramFileFormat::Png;
    }
    if (suffix == QLatin1String("svg")) {
        return DiagramFileFormat::Svg;
    }
    return std::nullopt;
}

DiagramFileFormat SaveFormatFor(const QString& path) {
    return FormatFromExtension(path).value_or(DiagramFileFormat::Bmp);
}

QString WithBitmapExtension(const QString& path) {
    if (!QFileInfo(path).suffix().isEmpty()) {
        return path;
    }
    return path + QStringLiteral(".bmp");
}

QByteArray EncodeDiagram(DiagramKind kind, const DiagramPainter& paint, DiagramFileFormat format) {
    switch (format) {
        case DiagramFileFormat::Bmp:
            return EncodeRaster(RenderDiagram(kind, paint), "BMP");
        case DiagramFileFormat::Png:
            return EncodeRaster(RenderDiagram(kind, paint), "PNG");
        case DiagramFileFormat::Svg:
            return EncodeSvg(kind, paint);
    }
    return {};
}

bool WriteDiagramFile(const QString& path, DiagramKind kind, const DiagramPainter& paint,
                      DiagramFileFormat format) {
    const QByteArray bytes = EncodeDiagram(kind, paint, format);
    if (bytes.isEmpty() || path.isEmpty()) {
        return false;
    }
    return WriteFileAtomically(QFile::encodeName(path).toStdString(),
                               std::string_view(bytes.constData(), std::size_t(bytes.size())));
}

}  // namespace fretwise
