#include <gtest/gtest.h>

#include <QImage>
#include <QStandardPaths>
#include <string>

#include "qt/export/pdf_pages.hpp"
#include "qt/export/sheet_file.hpp"
#include "qt/painters/sheet_layout.hpp"
#include "support/temp_dir.hpp"

namespace fretwise::test {
namespace {

// A sheet of a song with the chords and lines given: "[C]la" is a line of lyrics.
SongSheet Sheet(std::size_t chords, std::size_t lines, std::string_view line = "[C]la [G]la") {
    std::string text = "{title: Sheet}\n{st: Test}\n{key: C}\n";
    const char* names[] = {"C", "G", "Am", "F", "Dm", "Em", "E7", "A7", "D7", "B7"};
    for (std::size_t k = 0; k < chords; ++k) {
        text += std::string("[") + names[k % 10] + std::string(k / 10, '7') + "]";
    }
    text += "\n";
    for (std::size_t k = 0; k < lines; ++k) {
        text += std::string(line) + "\n";
    }
    const SongFile file = *ReadSongText(text).file;
    return SheetOf(file, 0, PlanSong(file, 0, 0, {}, {}), true);
}

bool Inside(const QRectF& inner, const QSizeF& page) {
    return inner.left() >= 0 && inner.top() >= 0 && inner.right() <= page.width() &&
           inner.bottom() <= page.height();
}

TEST(SheetLayoutTest, DiagramsFillRowsAndLyricsGoOnToFurtherPages) {
    for (const PaperSize paper : {PaperSize::A4, PaperSize::Letter}) {
        const SheetLayout one = LayOutSheet(Sheet(8, 3), paper);
        ASSERT_EQ(one.pages.size(), 1u);
        const std::vector<SheetDiagram>& diagrams = one.pages[0].diagrams;
        ASSERT_EQ(diagrams.size(), 8u);
        EXPECT_EQ(diagrams[0].box.top(), diagrams[5].box.top());  // six to a row
        EXPECT_GT(diagrams[6].box.top(), diagrams[5].box.bottom());
        EXPECT_LT(diagrams[6].box.left(), diagrams[1].box.left());

        const SheetLayout many = LayOutSheet(Sheet(30, 200), paper);
        EXPECT_GE(many.pages.size(), 4u);
        std::size_t lyricTexts = 0;
        for (const SheetPage& page : many.pages) {
            for (const SheetDiagram& diagram : page.diagrams) {
                EXPECT_TRUE(Inside(diagram.box, many.paper));
            }
            for (const SheetText& text : page.texts) {
                EXPECT_TRUE(Inside(QRectF(text.baseline, QSizeF(1, 1)), many.paper));
                lyricTexts += text.text == "la " || text.text == "la" ? 1 : 0;
            }
        }
        EXPECT_EQ(lyricTexts, 400u);
    }
    EXPECT_EQ(LayOutSheet(Sheet(1, 0), PaperSize::Letter).paper, QSizeF(612, 792));
}

TEST(SheetLayoutTest, ChordsStandOverTheirWordsAndLongLinesAreCarriedOn) {
    const std::string longLine = "[C]" + std::string(30, 'w') + " [G]" + std::string(30, 'w') +
                                 " [D]" + std::string(30, 'w') + " [Em]" + std::string(30, 'w');
    const SheetLayout layout = LayOutSheet(Sheet(0, 1, longLine), PaperSize::A4);
    std::vector<const SheetText*> chords;
    std::vector<const SheetText*> words;
    for (const SheetText& text : layout.pages[0].texts) {
        if (text.font == SheetFont::Chord) {
            chords.push_back(&text);
        } else if (text.font == SheetFont::Words) {
            words.push_back(&text);
        }
    }
    ASSERT_EQ(chords.size(), 4u);
    ASSERT_EQ(words.size(), 4u);
    for (std::size_t k = 0; k < 4; ++k) {
        EXPECT_EQ(chords[k]->baseline.x(), words[k]->baseline.x());
        EXPECT_LT(chords[k]->baseline.y(), words[k]->baseline.y());
    }
    // Four pieces do not fit one line of the page: the line goes on below.
    EXPECT_GT(words[3]->baseline.y(), words[0]->baseline.y());
}

TEST(SheetFileTest, WritesPdfPagesAndStacksThemInSvgAndPng) {
    const SongSheet sheet = Sheet(12, 160);
    const SheetLayout layout = LayOutSheet(sheet, PaperSize::A4);
    const std::size_t pages = layout.pages.size();
    ASSERT_GE(pages, 2u);

    const QImage png = QImage::fromData(EncodeSheet(sheet, {}, SheetFormat::Png), "PNG");
    EXPECT_EQ(png.width(), 1240);
    EXPECT_EQ(png.height(), qRound(841.89 * 150 / 72 * pages));

    const QString svg = QString::fromUtf8(EncodeSheet(sheet, {}, SheetFormat::Svg));
    EXPECT_TRUE(svg.contains("<svg")) << svg.left(200).toStdString();
    EXPECT_TRUE(svg.contains(">Sheet<"));

    if (QStandardPaths::findExecutable("pdfinfo").isEmpty()) {
        GTEST_SKIP() << "pdfinfo (poppler-utils) is not installed";
    }
    TempDir dir;
    const QString pdf = QString::fromStdString(dir.File("sheet.pdf"));
    ASSERT_TRUE(WriteSheetFile(pdf, sheet, {PaperSize::Letter, true}, SheetFormat::Pdf));
    EXPECT_EQ(PdfPageCount(pdf),
              static_cast<int>(LayOutSheet(sheet, PaperSize::Letter).pages.size()));
}

TEST(SheetFileTest, AFileThatCannotBeWrittenIsReported) {
    TempDir dir;
    const QString path = QString::fromStdString(dir.File("no/such/dir/sheet.png"));
    EXPECT_FALSE(WriteSheetFile(path, Sheet(2, 2), {}, SheetFormat::Png));
    EXPECT_EQ(SheetFormatOf("a.PDF"), SheetFormat::Pdf);
    EXPECT_EQ(SheetFormatOf("a.svg"), SheetFormat::Svg);
    EXPECT_EQ(SheetFormatOf("a.png"), SheetFormat::Png);
    EXPECT_FALSE(SheetFormatOf("a.bmp"));
    EXPECT_FALSE(SheetFormatOf("pdf"));
}

}  // namespace
}  // namespace fretwise::test
