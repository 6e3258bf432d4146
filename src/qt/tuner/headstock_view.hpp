#pragma once

#include <QPointF>
#include <QWidget>

#include <optional>

namespace fretwise {

// A drawing of a six-peg headstock seen from the front, nut at the bottom, with the string
// names beside the pegs: strings 0 to 2 on the right from bottom to top, strings 3 to 5 on
// the left from top to bottom. The window puts the string buttons beside the names.
class HeadstockView : public QWidget {
  public:
    static constexpr int kWidth = 500;
    static constexpr int kHeight = 316;

    explicit HeadstockView(QWidget* parent = nullptr);

    static bool OnLeft(int string) { return string >= 3; }
    // Height of the string's peg row.
    static qreal RowY(int string);
    // Centre of the string's name.
    static QPointF NameCentre(int string);

    QSize sizeHint() const override { return {kWidth, kHeight}; }

    // The string whose name is marked, as the one the heard note belongs to.
    void Highlight(std::optional<int> string);
    std::optional<int> Highlighted() const { return highlighted_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::optional<int> highlighted_;
};

}  // namespace fretwise
