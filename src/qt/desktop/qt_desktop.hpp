#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <filesystem>
#include <functional>

#include "window/platform.hpp"

namespace fretwise {

// The main window's surroundings on a Qt desktop.
class QtDesktop : public Desktop {
  public:
    explicit QtDesktop(std::filesystem::path helpPage);

    void SetWindow(QWidget* window) { window_ = window; }

    // What "Guitar &Tuner" opens: the tuner window, shown modally and kept for later calls.
    void SetTunerOpener(std::function<void(const Tuning&)> openTuner) {
        openTuner_ = std::move(openTuner);
    }

    // What every beat runs: the window's Beat command.
    void SetBeatHandler(std::function<void()> beat);

    void ShowWindow() override;
    void OpenHelp() override;
    void ShowTuner(const Tuning& tuning) override;
    void Quit() override;
    void StartBeats(int periodMs) override;
    void StopBeats() override;

  private:
    std::filesystem::path helpPage_;
    QPointer<QWidget> window_;
    std::function<void(const Tuning&)> openTuner_;
    QTimer beats_;
};

}  // namespace fretwise
