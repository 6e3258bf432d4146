#include "qt/export/sheet_file.hpp"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QLocale>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSvgGenerator>

#include "core/storage/atomic_file.hpp"
#include "qt/painters/sheet_painter.hpp"

namespace fretwise {

namespace {

constexpr double kPointsPerInch = 72.0;

QPageSize PageSizeOf(PaperSize paper) {
    return QPageSize(paper == PaperSize::A4 ? QPageSize::A4 : QPageSize::Letter);
}

ChordBoxStyle BoxStyle(const SheetOptions& options) {
    ChordBoxStyle style;
    style.leftHanded = options.leftHanded;
    return style;
}

// The pages one below the other, as an SVG or a PNG shows them.
void PaintStacked(QPainter& painter, const SongSheet& sheet, const SheetLayout& layout,
                  const ChordBoxStyle& style) {
    const QSizeF page = layout.paper;
    painter.fillRect(QRectF(0, 0, page.width(), page.height() * layout.pages.size()), Qt::white);
    for (std::size_t k = 0; k < layout.pages.size(); ++k) {
        painter.save();
        painter.translate(0, page.height() * static_cast<double>(k));
        if (k > 0) {
            painter.setPen(QPen(Qt::lightGray, 0.5));
            painter.drawLine(QPointF(0, 0), QPointF(page.width(), 0));
        }
        PaintSheetPage(painter, sheet, layout, k, style);
        painter.restore();
    }
}

QByteArray EncodePdf(const SongSheet& sheet, const SheetLayout& layout,
                     const SheetOptions& options) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setPageSize(PageSizeOf(options.paper));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setResolution(static_cast<int>(kPointsPerInch));
    pdf.setTitle(QString::fromStdString(sheet.title));
    pdf.setCreator(QStringLiteral("Fretwise"));
    QPainter painter;
    if (!painter.begin(&pdf)) {
        return {};
    }
    for (std::size_t k = 0; k < layout.pages.size(); ++k) {
        if (k > 0 && !pdf.newPage()) {
            return {};
        }
        PaintSheetPage(painter, sheet, layout, k, BoxStyle(options));
    }
    painter.end();
    return bytes;
}

QByteArray EncodeSvg(const SongSheet& sheet, const SheetLayout& layout,
                     const SheetOptions& options) {
    const QSizeF size(layout.paper.width(), layout.paper.height() * layout.pages.size());
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setResolution(static_cast<int>(kPointsPerInch));
    svg.setSize(size.toSize());
    svg.setViewBox(QRectF(QPointF(0, 0), size));
    svg.setTitle(QString::fromStdString(sheet.title));
    QPainter painter;
    if (!painter.begin(&svg)) {
        return {};
    }
    PaintStacked(painter, sheet, layout, BoxStyle(options));
    painter.end();
    return bytes;
}

QByteArray EncodePng(const SongSheet& sheet, const SheetLayout& layout,
                     const SheetOptions& options) {
    const double scale = kSheetPngDpi / kPointsPerInch;
    const QSize size(qRound(layout.paper.width() * scale),
                     qRound(layout.paper.height() * layout.pages.size() * scale));
    QImage image(size, QImage::Format_RGB32);
    const int dotsPerMeter = qRound(kSheetPngDpi / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.scale(scale, scale);
        PaintStacked(painter, sheet, layout, BoxStyle(options));
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return image.save(&buffer, "PNG") ? bytes : QByteArray();
}

}  // namespace

std::optional<SheetFormat> SheetFormatOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("pdf")) {
        return SheetFormat::Pdf;
    }
    if (suffix == QLatin1String("svg")) {
        return SheetFormat::Svg;
    }
    if (suffix == QLatin1String("png")) {
        return SheetFormat::Png;
    }
    return std::nullopt;
}

QByteArray EncodeSheet(const SongSheet& sheet, const SheetOptions& options, SheetFormat format) {
    const SheetLayout layout = LayOutSheet(sheet, options.paper);
    switch (format) {
        case SheetFormat::Pdf:
            return EncodePdf(sheet, layout, options);
        case SheetFormat::Svg:
            return EncodeSvg(sheet, layout, options);
        case SheetFormat::Png:
            return EncodePng(sheet, layout, options);
    }
    return {};
}

bool WriteSheetFile(const QString& path, const SongSheet& sheet, const SheetOptions& options,
                    SheetFormat format) {
    const QByteArray bytes = EncodeSheet(sheet, options, format);
    return !bytes.isEmpty() &&
           WriteFileAtomically(
               path.toStdString(),
               std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

bool PrintSheet(QPrinter& printer, const SongSheet& sheet, const SheetOptions& options) {
    // The sheet is laid out for the paper the printer holds: Letter, or else A4.
    const bool letter = printer.pageLayout().pageSize().id() == QPageSize::Letter;
    const SheetLayout layout = LayOutSheet(sheet, letter ? PaperSize::Letter : PaperSize::A4);
    printer.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    const double scale = printer.resolution() / kPointsPerInch;
    for (std::size_t k = 0; k < layout.pages.size(); ++k) {
        if (k > 0 && !printer.newPage()) {
            return false;
        }
        painter.save();
        painter.scale(scale, scale);
        PaintSheetPage(painter, sheet, layout, k, BoxStyle(options));
        painter.restore();
    }
    return painter.end();
}

PaperSize LocalPaper() {
    return QLocale().measurementSystem() == QLocale::ImperialUSSystem ? PaperSize::Letter
                                                                      : PaperSize::A4;
}

}  // namespace fretwise
