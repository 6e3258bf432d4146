#pragma once

#include <QWidget>

#include "qt/painters/paint_style.hpp"
#include "window/display_state.hpp"
#include "window/fretboard_keys.hpp"

class QScrollBar;

namespace fretwise {

// The painted fretboard with the neck scroll bar at its right. Mouse releases anywhere on it
// (on a string name or a finger marker too) are reported in twips, keys as they are named;
// with the keyboard focus it shows the cursor, and its accessible name describes it.
class FretboardWidget : public QWidget {
    Q_OBJECT
  public:
    explicit FretboardWidget(QWidget* parent = nullptr);

    void SetBoard(const FretboardView& board);
    // Sizes and paints the board at percent of its designed size; clicks still give twips.
    void SetZoom(int percent);
    const FretboardView& Board() const { return board_; }
    QScrollBar* NeckScrollBar() const { return neck_; }

  signals:
    void Released(fretwise::MouseButton button, int x, int y);
    void KeyPressed(fretwise::Key key, bool ctrl);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    FretboardView board_;
    QScrollBar* neck_;
    int zoom_ = 100;
};

}  // namespace fretwise
