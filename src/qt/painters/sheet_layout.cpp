#include "qt/painters/sheet_layout.hpp"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include "qt/painters/sheet_fonts.hpp"

namespace fretwise {

namespace {

constexpr double kDiagramWidth = 68.0;
constexpr double kDiagramHeight = 94.0;
constexpr double kDiagramGap = 10.0;
constexpr double kChorusIndent = 14.0;
constexpr double kChordGap = 4.0;  // at least this much between two chords on a line

// Measures text in the fonts of the sheet, in points: in letters ten times as big, so that
// rounding to whole pixels does not show.
class Measure {
  public:
    Measure() : image_(1, 1, QImage::Format_RGB32) { painter_.begin(&image_); }

    double Width(const QString& text, SheetFont font) {
        const QFont big = SheetFontOf(painter_, font, kScale);
        return QFontMetricsF(big, &image_).horizontalAdvance(text) / kScale;
    }

  private:
    static constexpr double kScale = 10.0;
    QImage image_;
    QPainter painter_;
};

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

class Pager {
  public:
    Pager(SheetLayout& layout, double margin) : layout_(layout), margin_(margin) {
        layout_.pages.emplace_back();
        y_ = margin_;
    }

    double Width() const { return layout_.paper.width() - 2 * margin_; }
    double Left() const { return margin_; }
    SheetPage& Page() { return layout_.pages.back(); }

    // The top of a block of the given height: on this page if it fits, else on a new one.
    double Take(double height) {
        if (y_ + height > layout_.paper.height() - margin_ && y_ > margin_) {
            layout_.pages.emplace_back();
            y_ = margin_;
        }
        const double top = y_;
        y_ += height;
        return top;
    }

    void Skip(double height) { y_ += height; }
    double Bottom() const { return y_ + margin_; }

  private:
    SheetLayout& layout_;
    double margin_;
    double y_ = 0.0;
};

void Centred(Pager& pager, Measure& measure, const std::string& text, SheetFont font) {
    const QString shown = Text(text);
    const double top = pager.Take(SheetLineHeight(font));
    const double x = pager.Left() + (pager.Width() - measure.Width(shown, font)) / 2;
    pager.Page().texts.push_back({QPointF(x, top + SheetAscent(font)), shown, font});
}

void LayOutHead(const SongSheet& sheet, Pager& pager, Measure& measure) {
    if (!sheet.title.empty()) {
        Centred(pager, measure, sheet.title, SheetFont::Title);
    }
    for (const std::string& subtitle : sheet.subtitles) {
        Centred(pager, measure, subtitle, SheetFont::Subtitle);
    }
    if (!sheet.keyAndCapo.empty()) {
        Centred(pager, measure, sheet.keyAndCapo, SheetFont::Info);
    }
    pager.Skip(kDiagramGap);
}

void LayOutDiagrams(const SongSheet& sheet, Pager& pager) {
    const int columns = std::max(
        1, static_cast<int>((pager.Width() + kDiagramGap) / (kDiagramWidth + kDiagramGap)));
    // The rows are centred as a block.
    const int used = std::min<int>(columns, static_cast<int>(sheet.chords.size()));
    const double left =
        pager.Left() + (pager.Width() - used * kDiagramWidth - (used - 1) * kDiagramGap) / 2;
    for (std::size_t k = 0; k < sheet.chords.size(); k += static_cast<std::size_t>(columns)) {
        const double top = pager.Take(kDiagramHeight + kDiagramGap);
        for (std::size_t c = k; c < std::min(sheet.chords.size(), k + columns); ++c) {
            const double x = left + static_cast<double>(c - k) * (kDiagramWidth + kDiagramGap);
            pager.Page().diagrams.push_back({QRectF(x, top, kDiagramWidth, kDiagramHeight), c});
        }
    }
    pager.Skip(kDiagramGap);
}

// A line of lyrics cut where it no longer fits: each part with each piece's x.
struct PlacedPiece {
    const ChordOverWords* piece;
    double x;
};

std::vector<std::vector<PlacedPiece>> PlacePieces(const ShownLine& line, double width,
                                                  Measure& measure) {
    std::vector<std::vector<PlacedPiece>> parts(1);
    double x = 0.0;
    for (const ChordOverWords& piece : line.pieces) {
        const double chord = piece.chord.empty()
                                 ? 0.0
                                 : measure.Width(Text(piece.chord), SheetFont::Chord) + kChordGap;
        const double words = measure.Width(Text(piece.words), SheetFont::Words);
        const double advance = std::max(chord, words);
        if (x > 0.0 && x + advance > width) {
            parts.emplace_back();
            x = 0.0;
        }
        parts.back().push_back({&piece, x});
        x += advance;
    }
    return parts;
}

void LayOutLyrics(const ShownLine& line, double left, double width, Pager& pager,
                  Measure& measure) {
    bool hasChords = false;
    for (const ChordOverWords& piece : line.pieces) {
        hasChords = hasChords || !piece.chord.empty();
    }
    const double chordHeight = hasChords ? SheetLineHeight(SheetFont::Chord) : 0.0;
    for (const std::vector<PlacedPiece>& part : PlacePieces(line, width, measure)) {
        const double top = pager.Take(chordHeight + SheetLineHeight(SheetFont::Words));
        for (const PlacedPiece& placed : part) {
            if (!placed.piece->chord.empty()) {
                pager.Page().texts.push_back(
                    {QPointF(left + placed.x, top + SheetAscent(SheetFont::Chord)),
                     Text(placed.piece->chord), SheetFont::Chord});
            }
            if (!placed.piece->words.empty()) {
                pager.Page().texts.push_back(
                    {QPointF(left + placed.x, top + chordHeight + SheetAscent(SheetFont::Words)),
                     Text(placed.piece->words), SheetFont::Words});
            }
        }
        if (line.inChorus) {
            pager.Page().chorusBars.push_back(
                QLineF(pager.Left() + 3, top + 2, pager.Left() + 3,
                       top + chordHeight + SheetLineHeight(SheetFont::Words)));
        }
    }
}

SheetFont FontOf(ShownKind kind) {
    switch (kind) {
        case ShownKind::CommentItalic:
            return SheetFont::CommentItalic;
        case ShownKind::Comment:
        case ShownKind::CommentBox:
            return SheetFont::Comment;
        case ShownKind::Label:
            return SheetFont::Label;
        case ShownKind::Tab:
        case ShownKind::Grid:
            return SheetFont::Fixed;
        case ShownKind::Lyrics:
        case ShownKind::Blank:
            break;
    }
    return SheetFont::Words;
}

void LayOutLine(const ShownLine& line, Pager& pager, Measure& measure) {
    const double left = pager.Left() + (line.inChorus ? kChorusIndent : 0.0);
    const double width = pager.Width() - (line.inChorus ? kChorusIndent : 0.0);
    if (line.kind == ShownKind::Lyrics) {
        LayOutLyrics(line, left, width, pager, measure);
        return;
    }
    if (line.kind == ShownKind::Blank) {
        pager.Skip(SheetLineHeight(SheetFont::Words) / 2);
        return;
    }
    const SheetFont font = FontOf(line.kind);
    const QString text = Text(line.text);
    const double height = SheetLineHeight(font) + (line.kind == ShownKind::Label ? 3.0 : 0.0);
    const double top = pager.Take(height);
    const double baseline = top + height - SheetLineHeight(font) + SheetAscent(font);
    pager.Page().texts.push_back({QPointF(left + 2, baseline), text, font});
    if (line.kind == ShownKind::CommentBox) {
        pager.Page().frames.push_back(
            QRectF(left, top, measure.Width(text, font) + 4, SheetLineHeight(font)));
    }
    if (line.inChorus) {
        pager.Page().chorusBars.push_back(
            QLineF(pager.Left() + 3, top + 2, pager.Left() + 3, top + height));
    }
}

}  // namespace

std::optional<PaperSize> PaperNamed(std::string_view name) {
    if (name == kA4Name) {
        return PaperSize::A4;
    }
    if (name == kLetterName) {
        return PaperSize::Letter;
    }
    return std::nullopt;
}

QSizeF PaperPoints(PaperSize paper) {
    return paper == PaperSize::A4 ? QSizeF(595.28, 841.89) : QSizeF(612.0, 792.0);
}

SheetLayout LayOutSheet(const SongSheet& sheet, PaperSize paper) {
    return LayOutSheetOn(sheet, PaperPoints(paper), kPageMargin);
}

SheetLayout LayOutSheetOn(const SongSheet& sheet, QSizeF page, double margin) {
    SheetLayout layout{page, {}};
    Pager pager(layout, margin);
    Measure measure;
    if (!sheet.title.empty() || !sheet.subtitles.empty() || !sheet.keyAndCapo.empty()) {
        LayOutHead(sheet, pager, measure);
    }
    if (!sheet.chords.empty()) {
        LayOutDiagrams(sheet, pager);
    }
    for (const ShownLine& line : sheet.lines) {
        LayOutLine(line, pager, measure);
    }
    layout.usedHeight = pager.Bottom();
    return layout;
}

}  // namespace fretwise
