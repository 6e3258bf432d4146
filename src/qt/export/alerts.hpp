#pragma once

#include <string_view>

class QWidget;

namespace fretwise {

// The warning box the print commands end with: an exclamation icon, an OK button and a title
// of its own ("Print").
class Alerts {
  public:
    virtual ~Alerts() = default;
    virtual void Exclamation(std::string_view text, std::string_view title) = 0;
};

class QtAlerts : public Alerts {
  public:
    explicit QtAlerts(QWidget* parent) : parent_(parent) {}
    void Exclamation(std::string_view text, std::string_view title) override;

  private:
    QWidget* parent_;
};

}  // namespace fretwise
