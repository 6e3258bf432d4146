#include "qt/ui/fretboard_widget.hpp"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <cmath>

#include "qt/painters/fretboard_painter.hpp"
#include "qt/painters/twips.hpp"
#include "window/geometry.hpp"

namespace fretwise {

namespace g = geometry;

namespace {

Key KeyOf(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Left:
            return Key::Left;
        case Qt::Key_Right:
            return Key::Right;
        case Qt::Key_Up:
            return Key::Up;
        case Qt::Key_Down:
            return Key::Down;
        case Qt::Key_Space:
            return Key::Space;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return Key::Enter;
        case Qt::Key_X:
            return Key::X;
        case Qt::Key_Delete:
            return Key::Delete;
        case Qt::Key_0:
            return Key::Digit0;
        case Qt::Key_P:
            return Key::P;
        case Qt::Key_S:
            return Key::S;
        default:
            return Key::Other;
    }
}

}  // namespace

FretboardWidget::FretboardWidget(QWidget* parent)
    : QWidget(parent), neck_(new QScrollBar(Qt::Vertical, this)) {
    SetZoom(zoom_);
    neck_->setFocusPolicy(Qt::NoFocus);
    neck_->setPageStep(4);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleDescription(QStringLiteral(
        "Arrow keys move the cursor, Space or Enter holds the fret, X or Delete mutes the "
        "string, 0 opens it, P plays, S strums, Ctrl+Up and Ctrl+Down move the shape"));
}

void FretboardWidget::SetBoard(const FretboardView& board) {
    board_ = board;
    const QString name = QString::fromStdString(board.cursor.description);
    if (name != accessibleName()) {
        setAccessibleName(name);
        QAccessibleEvent changed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
    update();
}

void FretboardWidget::SetZoom(int percent) {
    zoom_ = percent;
    setFixedSize(ZoomedPx(g::kFretboardWidth, percent), ZoomedPx(g::kFretboardHeight, percent));
    neck_->setGeometry(ZoomedRect(
        QRect(g::kNeckScrollLeft, g::kNeckScrollTop, g::kNeckScrollWidth, g::kNeckScrollHeight),
        percent));
    update();
}

void FretboardWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.scale(zoom_ / 100.0, zoom_ / 100.0);
    PaintFretboard(painter, board_, FretboardStyle::Screen(palette()));
    painter.resetTransform();
    // A sunken edge like a picture box's; the exported pictures have none.
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    const CursorView& cursor = board_.cursor;
    if (hasFocus() && cursor.inView) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2, Qt::DotLine));
        painter.drawRect(
            ZoomedRect(QRect(cursor.left, cursor.top, cursor.width, cursor.height), zoom_)
                .adjusted(1, 1, -1, -1));
    }
}

void FretboardWidget::keyPressEvent(QKeyEvent* event) {
    const Key key = KeyOf(event->key());
    const bool ctrl = event->modifiers().testFlag(Qt::ControlModifier);
    if (!FretboardCommandOfKey(key, ctrl)) {
        QWidget::keyPressEvent(event);
        return;
    }
    emit KeyPressed(key, ctrl);
}

void FretboardWidget::mouseReleaseEvent(QMouseEvent* event) {
    const MouseButton button = event->button() == Qt::RightButton  ? MouseButton::Right
                               : event->button() == Qt::LeftButton ? MouseButton::Left
                                                                   : MouseButton::Other;
    const QPointF at = event->position() * (100.0 / zoom_);
    emit Released(button, static_cast<int>(std::lround(at.x() * kTwipsPerPixel)),
                  static_cast<int>(std::lround(at.y() * kTwipsPerPixel)));
}

}  // namespace fretwise
