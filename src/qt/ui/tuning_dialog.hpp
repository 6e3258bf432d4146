#pragma once

#include <QDialog>
#include <array>
#include <optional>

#include "core/music/tuning.hpp"

class QLineEdit;

namespace fretwise {

// "Custom tuning...": one note field per string, low string first, each with the range its
// string can be tuned to. OK refuses a field that is no note or out of range with a message
// that names it, and keeps the dialog open.
class TuningDialog : public QDialog {
  public:
    TuningDialog(const Tuning& current, QWidget* parent);

    // The tuning entered, once the dialog was accepted.
    const std::optional<Tuning>& Chosen() const { return chosen_; }

    // The field of string s (0 = high E).
    QLineEdit* Field(int string) const { return fields_[static_cast<std::size_t>(string)]; }

    void accept() override;

  private:
    std::array<QLineEdit*, kStringCount> fields_{};
    std::optional<Tuning> chosen_;
};

}  // namespace fretwise
