#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include "window/platform.hpp"

namespace fretwise {

// The window logic's dialogs as Qt dialogs over the main window.
class QtDialogs : public Dialogs {
  public:
    void SetParent(QWidget* parent) { parent_ = parent; }

    std::optional<std::string> AskFileToOpen(std::string_view filter) override;
    std::optional<std::string> AskFileToSave(std::string_view fileName,
                                             std::string_view filter) override;
    std::optional<std::string> Input(std::string_view prompt, std::string_view title,
                                     std::string_view defaultText) override;
    std::optional<Tuning> AskTuning(const Tuning& current) override;
    void Message(std::string_view text, MessageIcon icon) override;
    void Beep() override;
    void SetBusyCursor(bool busy) override;

  private:
    QPointer<QWidget> parent_;
    QString folder_;  // the dialogs open where the user last chose a file
};

// Shows or removes the hourglass pointer over the whole application; calling it twice with
// the same value changes nothing.
void ShowWaitCursor(bool busy);

}  // namespace fretwise
