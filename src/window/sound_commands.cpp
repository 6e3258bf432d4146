// Playing the chord or one string, and saving the chord as a WAV file.
#include <exception>

#include "core/sound/synthesis.hpp"
#include "core/storage/file_messages.hpp"
#include "window/command_steps.hpp"
#include "window/commands.hpp"

namespace fretwise {

namespace {

// Renders with the play buttons and the fretboard disabled under the hourglass; both are
// always undone, whatever the engine does.
void Synthesise(Window& window, const std::function<SynthOutcome(SoundEngine&)>& synth) {
    Dialogs& dialogs = window.services.dialogs;
    window.state.playing = true;
    dialogs.SetBusyCursor(true);
    Paint(window);

    SynthOutcome outcome = SynthOutcome::WriteFailed;
    try {
        outcome = synth(window.services.sound);
    } catch (const std::exception&) {
        // A failed render plays nothing; the window is restored below.
    }
    if (outcome == SynthOutcome::SaveFailed) {
        dialogs.Beep();
        dialogs.Message(kErrorSavingFile, MessageIcon::None);
    }

    window.state.playing = false;
    dialogs.SetBusyCursor(false);
}

}  // namespace

void PlayChord(Window& window, StrumMode strum) {
    const std::vector<double> notes = ChordNotesToPlay(window.state.shape, window.state.strings);
    Synthesise(window, [&](SoundEngine& sound) { return sound.SynthChord(notes, strum); });
}

void PlayString(Window& window, int string) {
    if (string < 0 || string >= kStringCount) {
        return;
    }
    const WindowState& state = window.state;
    const double note = state.strings.SoundingPitchOf(string, state.shape.Note[string]).SoundNote();
    Synthesise(window, [note](SoundEngine& sound) { return sound.SynthNote(note); });
}

void SaveChordAsWav(Window& window, StrumMode strum) {
    Paint(window);
    Dialogs& dialogs = window.services.dialogs;
    const std::string offered = ShownChordName(window.state);
    const std::optional<std::string> chosen = dialogs.AskFileToSave(offered, "WAV file|*.wav");
    if (!chosen) {
        return;
    }
    if (chosen->empty() || *chosen == offered) {
        dialogs.Message(kErrorSavingFile, MessageIcon::None);
        return;
    }
    const std::vector<double> notes = ChordNotesToPlay(window.state.shape, window.state.strings);
    const std::filesystem::path file = *chosen;
    Synthesise(window, [&](SoundEngine& sound) { return sound.SaveChord(notes, strum, file); });
}

}  // namespace fretwise
