#pragma once

#include <QWidget>

#include "ui/paint_style.hpp"
#include "window/display_state.hpp"

class QScrollBar;

namespace fretwise {

// The painted fretboard with the neck scroll bar at its right. Mouse releases anywhere on it
// (on a string name or a finger marker too) are reported in twips.
class FretboardWidget : public QWidget {
    Q_OBJECT
  public:
    explicit FretboardWidget(QWidget* parent = nullptr);

    void SetBoard(const FretboardView& board);
    const FretboardView& Board() const { return board_; }
    QScrollBar* NeckScrollBar() const { return neck_; }

  signals:
    void Released(fretwise::MouseButton button, int x, int y);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    FretboardView board_;
    QScrollBar* neck_;
};

}  // namespace fretwise
