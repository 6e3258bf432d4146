#pragma once

#include <QLabel>

namespace fretwise {

// A one-line label that ends its text with "..." when the text is wider than the label, as
// long chord names are in the analysis panel; text() keeps the whole text.
class ElidingLabel : public QLabel {
  public:
    using QLabel::QLabel;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace fretwise
