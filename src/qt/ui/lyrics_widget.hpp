#pragma once

#include <QWidget>
#include <vector>

#include "core/song/shown_lines.hpp"

namespace fretwise {

// The song's words with the chords above them, laid out and painted as the printed sheet
// sets them, on white, as wide as the widget.
class LyricsWidget : public QWidget {
  public:
    explicit LyricsWidget(QWidget* parent = nullptr);

    void SetLines(const std::vector<ShownLine>& lines);

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    // Points to pixels: the sheet's sizes as a printed page shows them.
    double Scale() const;

    std::vector<ShownLine> lines_;
};

}  // namespace fretwise
