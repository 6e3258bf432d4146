#pragma once

#include <QDialog>
#include <QIcon>

#include <array>
#include <filesystem>

#include "tuner/tuner_controller.hpp"

class QComboBox;
class QPushButton;

namespace fretwise {

class SoundEngine;

// The "Guitar Tuner" window: per string a play-once button and a loop toggle beside a
// headstock drawing, "Play a note" for any note of an octave, and "Tune a band" for the
// concert pitches. The main window keeps one instance and shows it modally with exec().
class FormTuner : public QDialog {
    Q_OBJECT

  public:
    // dataDir holds the "WAVs" folder of recorded reference tones.
    FormTuner(SoundEngine& engine, const std::filesystem::path& dataDir, QWidget* parent = nullptr);

  private:
    QWidget* CreateStringsFrame();
    QWidget* CreatePlayNoteFrame();
    QWidget* CreateBandFrame();
    QPushButton* CreateButton(const QString& name, QWidget* parent);
    void CommandStrumClick(int button);
    void CommandPlayClick(int button);
    void ShowToggles();
    void SetTabOrder();

    TunerController controller_;
    QIcon playIcon_;
    QIcon stopIcon_;
    std::array<QPushButton*, TunerController::kButtonCount> commandStrum_{};
    std::array<QPushButton*, TunerController::kButtonCount> commandPlay_{};
    QComboBox* comboNotes_ = nullptr;
    QComboBox* comboOctave_ = nullptr;
    QComboBox* combo3Notes_ = nullptr;
};

}  // namespace fretwise
