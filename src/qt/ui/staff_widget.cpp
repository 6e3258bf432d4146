#include "qt/ui/staff_widget.hpp"

#include <QPainter>

#include "qt/painters/staff_painter.hpp"
#include "qt/painters/twips.hpp"
#include "window/geometry.hpp"

namespace fretwise {

StaffWidget::StaffWidget(QWidget* parent) : QWidget(parent) {
    SetZoom(zoom_);
}

void StaffWidget::SetZoom(int percent) {
    zoom_ = percent;
    setFixedSize(ZoomedPx(geometry::kStaffWidth, percent),
                 ZoomedPx(geometry::kStaffHeight, percent));
    update();
}

void StaffWidget::SetStaff(const StaffView& staff) {
    staff_ = staff;
    update();
}

void StaffWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.scale(zoom_ / 100.0, zoom_ / 100.0);
    PaintStaff(painter, staff_, StaffStyle::Screen(palette()));
    painter.resetTransform();
    // A sunken edge like a picture box's; the exported pictures have none.
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace fretwise
