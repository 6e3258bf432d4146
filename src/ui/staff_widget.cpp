#include "ui/staff_widget.hpp"

#include <QPainter>

#include "ui/staff_painter.hpp"
#include "ui/twips.hpp"
#include "window/geometry.hpp"

namespace fretwise {

StaffWidget::StaffWidget(QWidget* parent) : QWidget(parent) {
    setFixedSize(TwipsToPx(geometry::kStaffWidth), TwipsToPx(geometry::kStaffHeight));
}

void StaffWidget::SetStaff(const StaffView& staff) {
    staff_ = staff;
    update();
}

void StaffWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintStaff(painter, staff_, StaffStyle{});
    // A sunken edge like a picture box's; the exported pictures have none.
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace fretwise
