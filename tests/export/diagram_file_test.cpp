#include "export/diagram_file.hpp"

#include <gtest/gtest.h>

#include <QFile>
#include <QImageReader>
#include <QPainter>

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

int LittleEndian16(const QByteArray& bytes, int at) {
    return static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1]) << 8;
}

TEST(DiagramFileNames, TheExtensionChoosesTheFormat) {
    const struct {
        const char* path;
        std::optional<DiagramFileFormat> named;
        DiagramFileFormat saved;
    } cases[] = {
        {"F major.bmp", DiagramFileFormat::Bmp, DiagramFileFormat::Bmp},
        {"/tmp/F.PNG", DiagramFileFormat::Png, DiagramFileFormat::Png},
        {"songbook/F.svg", DiagramFileFormat::Svg, DiagramFileFormat::Svg},
        {"F major", std::nullopt, DiagramFileFormat::Bmp},
        {"F.jpg", std::nullopt, DiagramFileFormat::Bmp},
        {"dir.png/F", std::nullopt, DiagramFileFormat::Bmp},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatFromExtension(c.path), c.named) << c.path;
        EXPECT_EQ(SaveFormatFor(c.path), c.saved) << c.path;
    }
}

TEST(DiagramFileNames, BmpIsAddedOnlyWhenTheNameHasNoExtension) {
    EXPECT_EQ(WithBitmapExtension("/home/u/F major"), "/home/u/F major.bmp");
    EXPECT_EQ(WithBitmapExtension("/home/u.d/F"), "/home/u.d/F.bmp");
    EXPECT_EQ(WithBitmapExtension("/home/u/F.bmp"), "/home/u/F.bmp");
    EXPECT_EQ(WithBitmapExtension("/home/u/F.png"), "/home/u/F.png");
}

TEST(DiagramFile, ABitmapIs24BitUncompressedAtTheDiagramSize) {
    TempDir dir;
    const QString path = In(dir, "F.bmp");
    ASSERT_TRUE(WriteDiagramFile(path, DiagramKind::Chord, PaintCross, DiagramFileFormat::Bmp));
    const QByteArray bytes = ReadFile(path);
    ASSERT_GT(bytes.size(), 54);
    EXPECT_EQ(bytes.left(2), "BM");
    EXPECT_EQ(LittleEndian16(bytes, 18), 313);  // width
    EXPECT_EQ(LittleEndian16(bytes, 22), 465);  // height
    EXPECT_EQ(LittleEndian16(bytes, 28), 24);   // bits per pixel
    EXPECT_EQ(LittleEndian16(bytes, 30), 0);    // BI_RGB
}

TEST(DiagramFile, PngAndSvgCarryTheSamePictureSize) {
    TempDir dir;
    const struct {
        DiagramKind kind;
        DiagramFileFormat format;
        const char* name;
    } cases[] = {
        {DiagramKind::Small, DiagramFileFormat::Png, "small.png"},
        {DiagramKind::Notes, DiagramFileFormat::Png, "notes.png"},
        {DiagramKind::Small, DiagramFileFormat::Svg, "small.svg"},
        {DiagramKind::Notes, DiagramFileFormat::Svg, "notes.svg"},
    };
    for (const auto& c : cases) {
        const QString path = In(dir, c.name);
        ASSERT_TRUE(WriteDiagramFile(path, c.kind, PaintCross, c.format)) << c.name;
        QImageReader reader(path);
        EXPECT_EQ(reader.size(), DiagramSize(c.kind)) << c.name;
    }
    const QByteArray svg = ReadFile(In(dir, "notes.svg"));
    EXPECT_TRUE(svg.contains("<svg")) << svg.left(200).toStdString();
    EXPECT_TRUE(svg.contains("viewBox=\"0 0 261 149\""));
}

TEST(DiagramFile, AFailedWriteReportsFailureAndKeepsTheOldFile) {
    TempDir dir;
    const QString path = In(dir, "F.bmp");
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old");
    }
    EXPECT_FALSE(WriteDiagramFile(In(dir, "missing/F.bmp"), DiagramKind::Chord, PaintCross,
                                  DiagramFileFormat::Bmp));
    EXPECT_FALSE(
        WriteDiagramFile(In(dir, ""), DiagramKind::Chord, PaintCross, DiagramFileFormat::Bmp));
    EXPECT_FALSE(WriteDiagramFile("", DiagramKind::Chord, PaintCross, DiagramFileFormat::Bmp));
    EXPECT_EQ(ReadFile(path), "old");
}

}  // namespace
}  // namespace fretwise::test
