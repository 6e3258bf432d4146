#include "qt/tuner/headstock_view.hpp"

#include <QPainter>
#include <QPainterPath>

#include <array>

#include "core/music/tuning.hpp"

namespace fretwise {

namespace {

constexpr qreal kCentre = HeadstockView::kWidth / 2.0;
constexpr qreal kNutTop = 262;
constexpr qreal kNutHeight = 7;
constexpr qreal kNutHalfWidth = 33;
constexpr qreal kPostOffset = 50;   // from the centre line to a tuning post
constexpr qreal kEdgeOffset = 80;   // from the centre line to the side of the headstock
constexpr qreal kKeyOffset = 112;   // from the centre line to a tuner key
constexpr qreal kNameOffset = 142;  // from the centre line to a string name

// Top to bottom position of the string's peg: 0 for the top pair, 2 for the pair nearest
// the nut.
int Row(int string) {
    return HeadstockView::OnLeft(string) ? string - 3 : 2 - string;
}

qreal Side(int string) {
    return HeadstockView::OnLeft(string) ? -1.0 : 1.0;
}

qreal NutX(int string) {
    return kCentre + 25.0 - 10.0 * string;
}

QPointF Post(int string) {
    return {kCentre + Side(string) * kPostOffset, HeadstockView::RowY(string)};
}

// The outline: left half drawn from the nut up to the middle of the crown, mirrored.
QPainterPath Outline() {
    QPainterPath left;
    left.moveTo(kCentre, kNutTop + 2);
    left.lineTo(kCentre - kNutHalfWidth, kNutTop + 2);
    left.cubicTo(kCentre - 38, 228, kCentre - kEdgeOffset + 2, 226, kCentre - kEdgeOffset, 196);
    left.lineTo(kCentre - kEdgeOffset - 4, 62);
    left.cubicTo(kCentre - 86, 34, kCentre - 72, 14, kCentre - 48, 14);
    left.cubicTo(kCentre - 28, 14, kCentre - 12, 34, kCentre, 36);
    left.closeSubpath();
    const QPainterPath right = QTransform(-1, 0, 0, 1, 2 * kCentre, 0).map(left);
    return left.united(right).simplified();
}

void DrawNeck(QPainter& p) {
    QPainterPath neck;
    neck.moveTo(kCentre - kNutHalfWidth, kNutTop);
    neck.lineTo(kCentre + kNutHalfWidth, kNutTop);
    neck.lineTo(kCentre + kNutHalfWidth + 2, HeadstockView::kHeight);
    neck.lineTo(kCentre - kNutHalfWidth - 2, HeadstockView::kHeight);
    neck.closeSubpath();
    QLinearGradient wood(kCentre - kNutHalfWidth, 0, kCentre + kNutHalfWidth, 0);
    wood.setColorAt(0, QColor(0x2b, 0x19, 0x10));
    wood.setColorAt(0.5, QColor(0x4a, 0x2c, 0x1c));
    wood.setColorAt(1, QColor(0x2b, 0x19, 0x10));
    p.setPen(QPen(QColor(0x1c, 0x10, 0x0a), 1));
    p.setBrush(wood);
    p.drawPath(neck);
    p.setPen(QPen(QColor(0xb8, 0xb8, 0xb8), 2.5, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(kCentre - kNutHalfWidth - 1, 300),
               QPointF(kCentre + kNutHalfWidth + 1, 300));
}

void DrawBody(QPainter& p, const QPainterPath& outline) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 45));
    p.drawPath(outline.translated(3, 3));

    QLinearGradient wood(kCentre - kEdgeOffset, 0, kCentre + kEdgeOffset, 0);
    wood.setColorAt(0, QColor(0x4a, 0x22, 0x0f));
    wood.setColorAt(0.45, QColor(0x84, 0x45, 0x22));
    wood.setColorAt(0.55, QColor(0x84, 0x45, 0x22));
    wood.setColorAt(1, QColor(0x4a, 0x22, 0x0f));
    p.setBrush(wood);
    p.setPen(QPen(QColor(0xee, 0xe2, 0xc0), 3));
    p.drawPath(outline);
    p.setPen(QPen(QColor(0x2a, 0x14, 0x08), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(outline);

    QFont logo(QStringLiteral("DejaVu Serif"));
    logo.setItalic(true);
    logo.setBold(true);
    logo.setPixelSize(14);
    p.setFont(logo);
    p.setPen(QColor(0xe9, 0xd7, 0x9a));
    p.drawText(QRectF(kCentre - 45, 50, 90, 22), Qt::AlignCenter, QStringLiteral("Fretwise"));

    QPainterPath cover;
    cover.moveTo(kCentre - 9, 222);
    cover.cubicTo(kCentre - 10, 238, kCentre - 17, 246, kCentre - 16, kNutTop - 4);
    cover.lineTo(kCentre + 16, kNutTop - 4);
    cover.cubicTo(kCentre + 17, 246, kCentre + 10, 238, kCentre + 9, 222);
    cover.closeSubpath();
    p.setPen(QPen(QColor(0xdd, 0xdd, 0xdd), 1));
    p.setBrush(QColor(0x1a, 0x1a, 0x1a));
    p.drawPath(cover);
}

void DrawKey(QPainter& p, int string) {
    const qreal side = Side(string);
    const qreal y = HeadstockView::RowY(string);
    const qreal edge = kCentre + side * (kEdgeOffset - 2);
    const qreal key = kCentre + side * kKeyOffset;
    QLinearGradient metal(0, y - 10, 0, y + 10);
    metal.setColorAt(0, QColor(0xf4, 0xf4, 0xf4));
    metal.setColorAt(0.5, QColor(0xb0, 0xb0, 0xb0));
    metal.setColorAt(1, QColor(0x70, 0x70, 0x70));
    p.setPen(QPen(QColor(0x55, 0x55, 0x55), 1));
    p.setBrush(metal);
    p.drawRect(QRectF(std::min(edge, key), y - 3, std::abs(key - edge), 6));
    p.drawEllipse(QPointF(key, y), 13, 10);
    p.setPen(QPen(QColor(0xff, 0xff, 0xff, 150), 1.2));
    p.drawArc(QRectF(key - 9, y - 7, 18, 10), 30 * 16, 120 * 16);
}

void DrawPost(QPainter& p, int string) {
    const QPointF post = Post(string);
    QRadialGradient chrome(post + QPointF(-3, -3), 11);
    chrome.setColorAt(0, QColor(0xff, 0xff, 0xff));
    chrome.setColorAt(0.6, QColor(0xb5, 0xb5, 0xb5));
    chrome.setColorAt(1, QColor(0x6a, 0x6a, 0x6a));
    p.setPen(QPen(QColor(0x3a, 0x3a, 0x3a), 1));
    p.setBrush(chrome);
    p.drawEllipse(post, 9, 9);
    p.setBrush(QColor(0x9a, 0x9a, 0x9a));
    p.drawEllipse(post, 4.5, 4.5);
    p.drawLine(post - QPointF(3, 0), post + QPointF(3, 0));
}

void DrawString(QPainter& p, int string) {
    const bool wound = string >= 3;
    const QColor colour = wound ? QColor(0xd4, 0xb0, 0x6a) : QColor(0xe4, 0xe4, 0xe4);
    const qreal width = 0.9 + 0.22 * string;
    const QPointF post = Post(string);
    const QPointF wrap = post + QPointF(-Side(string) * 4.5, 0);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(NutX(string), HeadstockView::kHeight), QPointF(NutX(string), kNutTop));
    p.drawLine(QPointF(NutX(string), kNutTop), wrap);
}

void DrawNut(QPainter& p) {
    QLinearGradient bone(0, kNutTop, 0, kNutTop + kNutHeight);
    bone.setColorAt(0, QColor(0xfb, 0xf6, 0xe6));
    bone.setColorAt(1, QColor(0xd8, 0xcc, 0xaa));
    p.setPen(QPen(QColor(0x8a, 0x7e, 0x60), 1));
    p.setBrush(bone);
    p.drawRect(QRectF(kCentre - kNutHalfWidth, kNutTop, 2 * kNutHalfWidth, kNutHeight));
}

void DrawNames(QPainter& p, const std::array<QString, 6>& names, const QColor& ink,
               const QFont& base) {
    QFont font = base;
    font.setBold(true);
    font.setPixelSize(17);
    p.setFont(font);
    p.setPen(ink);
    for (int string = 0; string < 6; ++string) {
        const QPointF centre = HeadstockView::NameCentre(string);
        p.drawText(QRectF(centre.x() - 12, centre.y() - 12, 24, 24), Qt::AlignCenter,
                   names[static_cast<std::size_t>(string)]);
    }
}

// A disc behind the string's name.
void DrawHighlight(QPainter& p, int string, const QColor& colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(HeadstockView::NameCentre(string), 15, 15);
}

}  // namespace

HeadstockView::HeadstockView(QWidget* parent) : QWidget(parent) {
    setFixedSize(kWidth, kHeight);
    SetNames(OpenStrings{}.OpenNoteNames(Accidentals::Sharps));
}

void HeadstockView::SetNames(const std::array<std::string_view, 6>& names) {
    for (std::size_t s = 0; s < names.size(); ++s) {
        names_[s] = QString::fromUtf8(names[s].data(), static_cast<qsizetype>(names[s].size()));
    }
    update();
}

void HeadstockView::SetZoom(int percent) {
    zoom_ = percent;
    setFixedSize(kWidth * percent / 100, kHeight * percent / 100);
    update();
}

void HeadstockView::Highlight(std::optional<int> string) {
    if (string != highlighted_) {
        highlighted_ = string;
        update();
    }
}

qreal HeadstockView::RowY(int string) {
    return 96.0 + 62.0 * Row(string);
}

QPointF HeadstockView::NameCentre(int string) {
    return {kCentre + Side(string) * kNameOffset, RowY(string)};
}

void HeadstockView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(zoom_ / 100.0, zoom_ / 100.0);
    DrawNeck(p);
    for (int string = 0; string < 6; ++string) {
        DrawKey(p, string);
    }
    DrawBody(p, Outline());
    DrawNut(p);
    for (int string = 0; string < 6; ++string) {
        DrawString(p, string);
    }
    for (int string = 0; string < 6; ++string) {
        DrawPost(p, string);
    }
    if (highlighted_) {
        DrawHighlight(p, *highlighted_, palette().color(QPalette::Highlight));
    }
    DrawNames(p, names_, palette().color(QPalette::WindowText), font());
}

}  // namespace fretwise
