#pragma once

#include <QGroupBox>

#include <functional>
#include <optional>

#include "tuner/listen_controller.hpp"

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace fretwise {

class CentsMeter;

// The "Microphone" frame of the tuner: the "Listen" toggle, the mode, the reference A, the
// note heard in large letters over a needle from -50 to +50 cents, and the line that says
// when there is no microphone.
class ListenPanel : public QGroupBox {
  public:
    // highlight is told the string the heard note belongs to, or none.
    ListenPanel(AudioInput& input, std::function<void(std::optional<int>)> highlight,
                QWidget* parent = nullptr);

    void StopListening() { controller_.SetListening(false); }
    // Shows the choices kept from the last run; keep is told every change.
    void UseChoices(const ListenChoices& choices, std::function<void(const ListenChoices&)> keep);
    ListenController& Controller() { return controller_; }
    // The large note and the needle at percent of their designed size; the frame's other text
    // follows the window's font.
    void UseZoom(int percent);

  private:
    void ShowView();
    void Choose();

    ListenController controller_;
    std::function<void(std::optional<int>)> highlight_;
    std::function<void(const ListenChoices&)> keep_;
    QPushButton* listen_ = nullptr;
    QComboBox* modeList_ = nullptr;
    QSpinBox* referenceA_ = nullptr;
    QLabel* note_ = nullptr;
    QLabel* cents_ = nullptr;
    QLabel* microphoneLine_ = nullptr;
    CentsMeter* meter_ = nullptr;
};

}  // namespace fretwise
