#include "qt/export/diagram_file.hpp"

#include <gtest/gtest.h>

#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <tuple>

#include "support/temp_dir.hpp"

namespace fretwise::test {
namespace {

void PaintCross(QPainter& p) {
    p.setPen(QPen(Qt::black, 2));
    p.drawLine(0, 0, 300, 140);
    p.drawLine(0, 140, 300, 0);
}

QString In(const TempDir& dir, const char* name) {
    return QString::fromStdString(dir.File(name));
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(DiagramFileNames, TheExtensionChoosesTheFormat) {
    const std::tuple<const char*, std::optional<DiagramFileFormat>, DiagramFileFormat> cases[] = {
        {"F major.bmp", DiagramFileFormat::Bmp, DiagramFileFormat::Bmp},
        {"/tmp/F.PNG", DiagramFileFormat::Png, DiagramFileFormat::Png},
        {"songbook/F.svg", DiagramFileFormat::Svg, DiagramFileFormat::Svg},
        {"F major", std::nullopt, DiagramFileFormat::Bmp},
        {"F.jpg", std::nullopt, DiagramFileFormat::Bmp},
        {"dir.png/F", std::nullopt, DiagramFileFormat::Bmp},
    };
    for (const auto& [path, named, saved] : cases) {
        EXPECT_EQ(FormatFromExtension(path), named) << path;
        EXPECT_EQ(SaveFormatFor(path), saved) << path;
    }
    EXPECT_EQ(WithBitmapExtension("/home/u/F major"), "/home/u/F major.bmp");
    EXPECT_EQ(WithBitmapExtension("/home/u.d/F"), "/home/u.d/F.bmp");
    EXPECT_EQ(WithBitmapExtension("/home/u/F.png"), "/home/u/F.png");
}

TEST(DiagramFile, EachFormatCarriesThePictureAtItsSize) {
    TempDir dir;
    const std::tuple<DiagramKind, DiagramFileFormat, const char*> cases[] = {
        {DiagramKind::Chord, DiagramFileFormat::Bmp, "chord.bmp"},
        {DiagramKind::Small, DiagramFileFormat::Png, "small.png"},
        {DiagramKind::Notes, DiagramFileFormat::Svg, "notes.svg"},
    };
    for (const auto& [kind, format, name] : cases) {
        ASSERT_TRUE(WriteDiagramFile(In(dir, name), kind, PaintCross, format)) << name;
        EXPECT_EQ(QImageReader(In(dir, name)).size(), DiagramSize(kind)) << name;
    }
    // A bitmap is 24-bit uncompressed (BI_RGB), as other programs expect.
    const QByteArray bmp = ReadFile(In(dir, "chord.bmp"));
    ASSERT_GT(bmp.size(), 54);
    EXPECT_EQ(bmp.left(2), "BM");
    EXPECT_EQ(bmp[28], 24);
    EXPECT_EQ(bmp[30], 0);
    EXPECT_TRUE(ReadFile(In(dir, "notes.svg")).contains("viewBox=\"0 0 261 149\""));
}

TEST(DiagramFile, AFailedWriteReportsFailureAndKeepsTheOldFile) {
    TempDir dir;
    WriteBytes(dir.path() / "F.bmp", "old");
    for (const QString& path : {In(dir, "missing/F.bmp"), In(dir, ""), QString()}) {
        EXPECT_FALSE(WriteDiagramFile(path, DiagramKind::Chord, PaintCross, DiagramFileFormat::Bmp))
            << path.toStdString();
    }
    EXPECT_EQ(ReadBytes(dir.path() / "F.bmp"), "old");
}

}  // namespace
}  // namespace fretwise::test
