// Playing the chord or one string, and saving the chord as a WAV file.
#include <exception>

#include "sound/string_notes.hpp"
#include "window/main_controller.hpp"

namespace fretwise {

namespace {

constexpr std::string_view kErrorSaving = "Error saving file";

}  // namespace

void MainController::CommandPlayClick() {
    services_.sound.Strum = StrumMode::Block;
    PlayChord();
    Notify();
}

void MainController::CommandStrumClick() {
    services_.sound.Strum = StrumMode::Strummed;
    PlayChord();
    Notify();
}

void MainController::PlayChord() {
    services_.sound.NotesToPlay = ChordNotesToPlay(currentShape_);
    Synthesise(&SoundEngine::SynthChord);
}

void MainController::PlayNotex(int string) {
    if (string < 0 || string >= kStringCount) {
        return;
    }
    services_.sound.NotesToPlay = {
        static_cast<double>(SoundNoteOfString(string, currentShape_.Note[string]))};
    Synthesise(&SoundEngine::SynthNote);
}

// Renders with the play buttons and the fretboard disabled under the hourglass; both are
// always undone and the save path always cleared, whatever the engine does.
void MainController::Synthesise(SynthOutcome (SoundEngine::*synth)()) {
    SetBusy(true);
    display_.commandPlayEnabled = display_.commandStrumEnabled = false;
    display_.fretboardEnabled = false;
    Notify();

    SoundEngine& sound = services_.sound;
    SynthOutcome outcome = SynthOutcome::WriteFailed;
    try {
        outcome = (sound.*synth)();
    } catch (const std::exception&) {
        // A failed render plays nothing; the window is restored below.
    }
    if (outcome == SynthOutcome::SaveFailed) {
        services_.dialogs.Beep();
        services_.dialogs.Message(kErrorSaving, MessageIcon::None);
    }

    sound.WavSavePath.clear();
    display_.commandPlayEnabled = display_.commandStrumEnabled = true;
    display_.fretboardEnabled = true;
    SetBusy(false);
}

void MainController::MnuBCSClick(int index) {
    services_.sound.Strum = index == 1 ? StrumMode::Strummed : StrumMode::Block;
    Notify();
    const std::string offered = display_.frameCaption;
    const std::optional<std::string> chosen = services_.dialogs.SaveFile(offered, "WAV file|*.wav");
    if (!chosen) {
        return;
    }
    if (chosen->empty() || *chosen == offered) {
        services_.dialogs.Message(kErrorSaving, MessageIcon::None);
        return;
    }
    services_.sound.WavSavePath = *chosen;
    PlayChord();
    Notify();
}

}  // namespace fretwise
