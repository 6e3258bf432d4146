#include "qt/export/printer.hpp"

#include <gtest/gtest.h>

#include <QPainter>
#include <QPrinter>
#include <QStandardPaths>

#include "qt/export/pdf_pages.hpp"
#include "support/temp_dir.hpp"

namespace fretwise::test {
namespace {

TEST(QtPrinter, PrintsOnePagePerCopy) {
    if (QStandardPaths::findExecutable("pdfinfo").isEmpty()) {
        GTEST_SKIP() << "pdfinfo (poppler-utils) is not installed";
    }
    TempDir dir;
    for (int copies : {1, 2, 10}) {
        const QString pdf =
            QString::fromStdString(dir.File("copies" + std::to_string(copies) + ".pdf"));
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        QtPrinter out(printer);
        int painted = 0;
        EXPECT_TRUE(out.PrintCopies(copies, [&](QPainter& p) {
            ++painted;
            p.drawRect(10, 10, 313, 465);
        }));
        EXPECT_EQ(painted, copies);
        EXPECT_EQ(PdfPageCount(pdf), copies);
    }
}

TEST(QtPrinter, APrinterThatCannotStartReportsFailureWithoutPainting) {
    TempDir dir;
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(dir.File("missing/folder/out.pdf")));
    QtPrinter out(printer);
    bool painted = false;
    EXPECT_FALSE(out.PrintCopies(2, [&](QPainter&) { painted = true; }));
    EXPECT_FALSE(painted);
}

}  // namespace
}  // namespace fretwise::test
