#pragma once

#include <QWidget>

#include "window/display_state.hpp"

namespace fretwise {

// The chord written on a treble staff, on white.
class StaffWidget : public QWidget {
  public:
    explicit StaffWidget(QWidget* parent = nullptr);

    void SetStaff(const StaffView& staff);
    const StaffView& Staff() const { return staff_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    StaffView staff_;
};

}  // namespace fretwise
