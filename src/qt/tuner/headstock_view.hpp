#pragma once

#include <QPointF>
#include <QString>
#include <QWidget>

#include <array>
#include <optional>
#include <string_view>

namespace fretwise {

// A drawing of a six-peg headstock seen from the front, nut at the bottom, with the notes of
// the open strings beside the pegs: strings 0 to 2 on the right from bottom to top, strings 3
// to 5 on the left from top to bottom. The window puts the string buttons beside the names.
// Positions are given at the designed size; the drawing is scaled to the zoom.
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

    // The notes painted beside the pegs, index = string; standard tuning until told.
    void SetNames(const std::array<std::string_view, 6>& names);
    const std::array<QString, 6>& Names() const { return names_; }

    // The drawing at percent of its designed size.
    void SetZoom(int percent);

    // The string whose name is marked, as the one the heard note belongs to.
    void Highlight(std::optional<int> string);
    std::optional<int> Highlighted() const { return highlighted_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::optional<int> highlighted_;
    std::array<QString, 6> names_;
    int zoom_ = 100;
};

}  // namespace fretwise
