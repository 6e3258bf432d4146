#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QString>

namespace fretwise::test {

// The page count pdfinfo reports for the file, or -1 when it cannot tell.
inline int PdfPageCount(const QString& pdf) {
    QProcess info;
    info.start("pdfinfo", {pdf});
    if (!info.waitForFinished(10000) || info.exitCode() != 0) {
        return -1;
    }
    const auto match = QRegularExpression(R"(Pages:\s+(\d+))")
                           .match(QString::fromUtf8(info.readAllStandardOutput()));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

}  // namespace fretwise::test
