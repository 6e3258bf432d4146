#pragma once

#include <QWidget>

#include "window/display_state.hpp"

namespace fretwise {

// The chord written on a treble staff, on white (on the base colour of a dark palette).
class StaffWidget : public QWidget {
  public:
    explicit StaffWidget(QWidget* parent = nullptr);

    void SetStaff(const StaffView& staff);
    const StaffView& Staff() const { return staff_; }
    // Sizes and paints the staff at percent of its designed size.
    void SetZoom(int percent);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    StaffView staff_;
    int zoom_ = 100;
};

}  // namespace fretwise
