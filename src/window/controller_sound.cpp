// Playing the chord or one string, and saving the chord as a WAV file.
#include <exception>

#include "core/sound/string_notes.hpp"
#include "core/storage/file_messages.hpp"
#include "window/main_controller.hpp"

namespace fretwise {

void MainController::PlayChord(StrumMode strum) {
    const std::vector<double> notes = ChordNotesToPlay(currentShape_, strings_);
    Synthesise([&](SoundEngine& sound) { return sound.SynthChord(notes, strum); });
    Notify();
}

void MainController::PlayString(int string) {
    if (string < 0 || string >= kStringCount) {
        return;
    }
    const double note = SoundNoteOfString(string, currentShape_.Note[string], strings_);
    Synthesise([note](SoundEngine& sound) { return sound.SynthNote(note); });
}

// Renders with the play buttons and the fretboard disabled under the hourglass; both are
// always undone, whatever the engine does.
void MainController::Synthesise(const std::function<SynthOutcome(SoundEngine&)>& synth) {
    SetBusy(true);
    display_.playEnabled = display_.strumEnabled = false;
    display_.fretboardEnabled = false;
    Notify();

    SynthOutcome outcome = SynthOutcome::WriteFailed;
    try {
        outcome = synth(services_.sound);
    } catch (const std::exception&) {
        // A failed render plays nothing; the window is restored below.
    }
    if (outcome == SynthOutcome::SaveFailed) {
        services_.dialogs.Beep();
        services_.dialogs.Message(kErrorSavingFile, MessageIcon::None);
    }

    display_.playEnabled = display_.strumEnabled = true;
    display_.fretboardEnabled = true;
    SetBusy(false);
}

void MainController::SaveChordAsWav(StrumMode strum) {
    Notify();
    const std::string offered = display_.chordCaption;
    const std::optional<std::string> chosen =
        services_.dialogs.AskFileToSave(offered, "WAV file|*.wav");
    if (!chosen) {
        return;
    }
    if (chosen->empty() || *chosen == offered) {
        services_.dialogs.Message(kErrorSavingFile, MessageIcon::None);
        return;
    }
    const std::vector<double> notes = ChordNotesToPlay(currentShape_, strings_);
    const std::filesystem::path file = *chosen;
    Synthesise([&](SoundEngine& sound) { return sound.SaveChord(notes, strum, file); });
    Notify();
}

}  // namespace fretwise
