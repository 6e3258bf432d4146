#pragma once

#include <QDialog>
#include <QIcon>

#include <array>
#include <filesystem>
#include <functional>

#include "tuner/tuned_note.hpp"
#include "tuner/tuner_controller.hpp"

class QComboBox;
class QPushButton;

namespace fretwise {

class AudioInput;
class HeadstockView;
class ListenPanel;
class SoundEngine;

// The "Guitar Tuner" window: per string a play-once button and a loop toggle beside a
// headstock drawing, "Play a note" for any note of an octave, "Tune a band" for the concert
// pitches, and the "Microphone" frame that listens to the strings through the sound input.
// The main window keeps one instance and shows it modally with exec(); listening stops
// whenever the window closes.
class FormTuner : public QDialog {
    Q_OBJECT

  public:
    // dataDir holds the "WAVs" folder of recorded reference tones.
    FormTuner(SoundEngine& engine, const std::filesystem::path& dataDir, AudioInput& input,
              QWidget* parent = nullptr);

    // The mode and reference A kept between runs; keep is told every change.
    void UseListenChoices(const ListenChoices& choices,
                          std::function<void(const ListenChoices&)> keep);

    // The string buttons sound, the headstock names and listening in "Strings" names the
    // open strings of this tuning; the headstock spells them as the main window does.
    void UseTuning(const Tuning& tuning, Accidentals mode);

    // The window at the main window's zoom, in percent.
    void UseZoom(int percent);

  protected:
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    QWidget* CreateStringsFrame();
    QWidget* CreatePlayNoteFrame();
    QWidget* CreateBandFrame();
    QPushButton* CreateButton(const QString& name, QWidget* parent);
    void PlaceStringButtons();
    void ShowNoteIcons();
    void PlayOnce(int button);
    void ToggleLoop(int toggle);
    void ShowToggles();
    void SetTabOrder();

    TunerController controller_;
    QIcon playIcon_;
    QIcon stopIcon_;
    std::array<QPushButton*, TunerController::kButtonCount> playOnceButtons_{};
    std::array<QPushButton*, TunerController::kButtonCount> loopToggles_{};
    QComboBox* noteList_ = nullptr;    // "Note:"
    QComboBox* octaveList_ = nullptr;  // "Octave:"
    QComboBox* bandList_ = nullptr;    // the concert pitches of "Tune a band"
    HeadstockView* headstock_ = nullptr;
    ListenPanel* listenPanel_ = nullptr;
    QFont baseFont_;
    int zoom_ = 100;
};

}  // namespace fretwise
