// Playing the chord or one string, and saving the chord as a WAV file.
#include <exception>

#include "sound/string_notes.hpp"
#include "window/main_controller.hpp"

namespace fretwise {

namespace {

constexpr std::string_view kErrorSaving = "Error saving file";

}  // namespace

void MainController::PlayChord(StrumMode strum) {
    services_.sound.Strum = strum;
    services_.sound.NotesToPlay = ChordNotesToPlay(currentShape_);
    Synthesise(&SoundEngine::SynthChord);
    Notify();
}

void MainController::PlayString(int string) {
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
    display_.playEnabled = display_.strumEnabled = false;
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
    display_.playEnabled = display_.strumEnabled = true;
    display_.fretboardEnabled = true;
    SetBusy(false);
}

void MainController::SaveChordAsWav(StrumMode strum) {
    Notify();
    const std::string offered = display_.chordCaption;
    const std::optional<std::string> chosen = services_.dialogs.SaveFile(offered, "WAV file|*.wav");
    if (!chosen) {
        return;
    }
    if (chosen->empty() || *chosen == offered) {
        services_.dialogs.Message(kErrorSaving, MessageIcon::None);
        return;
    }
    services_.sound.WavSavePath = *chosen;
    PlayChord(strum);
}

}  // namespace fretwise
