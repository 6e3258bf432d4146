#include "qt/ui/lyrics_widget.hpp"

#include <QPainter>

#include "qt/painters/sheet_layout.hpp"
#include "qt/painters/sheet_painter.hpp"

namespace fretwise {

namespace {

constexpr double kBorder = 10.0;  // points
// One page as tall as any song gets.
constexpr double kEndlessPage = 1e7;

}  // namespace

LyricsWidget::LyricsWidget(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

double LyricsWidget::Scale() const {
    return logicalDpiY() / 72.0;
}

void LyricsWidget::SetLines(const std::vector<ShownLine>& lines) {
    lines_ = lines;
    setMinimumHeight(heightForWidth(width()));
    updateGeometry();
    update();
}

int LyricsWidget::heightForWidth(int width) const {
    SongSheet sheet;
    sheet.lines = lines_;
    const double scale = Scale();
    const SheetLayout layout = LayOutSheetOn(sheet, QSizeF(width / scale, kEndlessPage), kBorder);
    return static_cast<int>(layout.usedHeight * scale) + 1;
}

void LyricsWidget::resizeEvent(QResizeEvent*) {
    setMinimumHeight(heightForWidth(width()));
}

void LyricsWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    SongSheet sheet;
    sheet.lines = lines_;
    const double scale = Scale();
    const SheetLayout layout = LayOutSheetOn(sheet, QSizeF(width() / scale, kEndlessPage), kBorder);
    painter.scale(scale, scale);
    PaintSheetPage(painter, sheet, layout, 0, {});
}

}  // namespace fretwise
