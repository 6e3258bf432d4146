#include "qt/export/printer.hpp"

#include <QPainter>
#include <QPrinter>

namespace fretwise {

namespace {

constexpr double kScreenPixelsPerInch = 96.0;

}  // namespace

bool QtPrinter::PrintCopies(int copies, const PagePainter& page) {
    QPainter painter;
    // With no printer installed begin() fails at once instead of waiting for one.
    if (copies < 1 || !printer_.isValid() || !painter.begin(&printer_)) {
        return false;
    }
    const double scale = printer_.resolution() / kScreenPixelsPerInch;
    for (int copy = 0; copy < copies; ++copy) {
        if (copy > 0 && !printer_.newPage()) {
            painter.end();
            return false;
        }
        painter.save();
        painter.scale(scale, scale);
        page(painter);
        painter.restore();
    }
    return painter.end();
}

bool SystemPrinter::PrintCopies(int copies, const PagePainter& page) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Fretwise chord diagram"));
    return QtPrinter(printer).PrintCopies(copies, page);
}

}  // namespace fretwise
