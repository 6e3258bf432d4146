#include "ui/fretboard_widget.hpp"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <cmath>

#include "ui/fretboard_painter.hpp"
#include "ui/twips.hpp"
#include "window/geometry.hpp"

namespace fretwise {

namespace g = geometry;

FretboardWidget::FretboardWidget(QWidget* parent)
    : QWidget(parent), neck_(new QScrollBar(Qt::Vertical, this)) {
    setFixedSize(TwipsToPx(g::kFretboardWidth), TwipsToPx(g::kFretboardHeight));
    neck_->setGeometry(TwipsRect(g::kNeckScrollLeft, g::kNeckScrollTop, g::kNeckScrollWidth,
                                 g::kNeckScrollHeight));
    neck_->setFocusPolicy(Qt::NoFocus);
    neck_->setPageStep(4);
}

void FretboardWidget::SetBoard(const FretboardView& board) {
    board_ = board;
    update();
}

void FretboardWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintFretboard(painter, board_, FretboardStyle::Screen(palette().color(QPalette::Window)));
    // A sunken edge like a picture box's; the exported pictures have none.
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void FretboardWidget::mouseReleaseEvent(QMouseEvent* event) {
    const MouseButton button = event->button() == Qt::RightButton  ? MouseButton::Right
                               : event->button() == Qt::LeftButton ? MouseButton::Left
                                                                   : MouseButton::Other;
    const QPointF at = event->position();
    emit Released(button, static_cast<int>(std::lround(at.x() * kTwipsPerPixel)),
                  static_cast<int>(std::lround(at.y() * kTwipsPerPixel)));
}

}  // namespace fretwise
