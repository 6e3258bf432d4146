#pragma once

#include <QElapsedTimer>
#include <QWidget>

#include "window/song_view.hpp"
#include "window/window.hpp"

class QLabel;
class QPushButton;
class QSpinBox;

namespace fretwise {

// "Tools" > "Metronome": the tempo, the beats in a bar, "Start" / "Stop", "Tap" and the beat
// that sounded last. Its controls run the metronome commands through Perform.
class MetronomeWindow : public QWidget {
  public:
    MetronomeWindow(Window& window, QWidget* parent);

    void ShowView(const MetronomeView& view);

    QSpinBox* TempoBox() const { return tempo_; }
    QSpinBox* BeatsBox() const { return beats_; }
    QPushButton* StartButton() const { return start_; }
    QPushButton* TapButton() const { return tap_; }
    QLabel* BeatLabel() const { return beat_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    Window& window_;
    QSpinBox* tempo_ = nullptr;
    QSpinBox* beats_ = nullptr;
    QPushButton* start_ = nullptr;
    QPushButton* tap_ = nullptr;
    QLabel* beat_ = nullptr;
    QElapsedTimer taps_;  // the time of each tap, for the tempo they beat
};

}  // namespace fretwise
