#pragma once

#include <QWidget>

#include <optional>

namespace fretwise {

// A scale from -50 to +50 cents with a needle at the cents heard, green when in tune, and no
// needle while nothing is heard.
class CentsMeter : public QWidget {
  public:
    explicit CentsMeter(QWidget* parent = nullptr);

    void Show(std::optional<double> needle, bool inTune);
    std::optional<double> Needle() const { return needle_; }
    bool InTune() const { return inTune_; }

    QSize sizeHint() const override { return {360 * zoom_ / 100, 54 * zoom_ / 100}; }
    // The scale at percent of its designed size.
    void SetZoom(int percent);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::optional<double> needle_;
    bool inTune_ = false;
    int zoom_ = 100;
};

}  // namespace fretwise
