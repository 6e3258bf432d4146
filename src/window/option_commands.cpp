// The Settings menu: tunings and capo, spelling, the options of creation and view, the
// number of frets; the Tools and Help menus.
#include <cmath>
#include <string>

#include "fretwise/version.hpp"
#include "window/commands.hpp"
#include "window/number_input.hpp"
#include "window/refresh.hpp"
#include "window/song_commands.hpp"

namespace fretwise {

namespace {

// The fingers stay where they are and sound the new strings; the created candidates were
// found for the old ones, so browsing them ends.
void Retune(WindowState& state, const OpenStrings& strings) {
    if (strings != state.strings) {
        state.strings = strings;
        state.browsingCandidates = false;
        RefreshChord(state, state.shape);
        FollowStrings(state);
    }
}

// A whole number from first to last typed into an input box.
std::optional<int> WholeAnswer(const std::string& answer, int first, int last) {
    const std::optional<double> value = ParseTypedNumber(answer);
    if (!value || *value < first || *value > last || std::floor(*value) != *value) {
        return std::nullopt;
    }
    return static_cast<int>(*value);
}

}  // namespace

void ChooseTuning(Window& window, int preset) {
    const std::span<const TuningPreset> presets = TuningPresets();
    if (preset < 0 || preset >= static_cast<int>(presets.size())) {
        return;
    }
    Retune(window.state,
           {presets[static_cast<std::size_t>(preset)].tuning, window.state.strings.capo});
}

void AskCustomTuning(Window& window) {
    Paint(window);
    const OpenStrings& now = window.state.strings;
    const std::optional<Tuning> tuning = window.services.dialogs.AskTuning(now.tuning);
    Retune(window.state, {tuning.value_or(now.tuning), now.capo});
}

void AskCapo(Window& window) {
    Paint(window);
    const OpenStrings& now = window.state.strings;
    const std::optional<std::string> answer = window.services.dialogs.Input(
        "Enter the fret of the capo (0 for none, at most " + std::to_string(kMaxCapo) + ")", "",
        std::to_string(now.capo));
    if (!answer) {
        return;
    }
    const std::optional<int> capo = WholeAnswer(*answer, 0, kMaxCapo);
    if (!capo) {
        window.services.dialogs.Beep();
        return;
    }
    Retune(window.state, {now.tuning, static_cast<std::int16_t>(*capo)});
}

// Everything is spelled anew; the chosen root still matches in the old spelling, as the
// root list is spelled anew after the refresh.
void ToggleAccidentals(Window& window) {
    WindowState& state = window.state;
    const Accidentals old = state.accidentals;
    state.accidentals = old == Accidentals::Sharps ? Accidentals::Flats : Accidentals::Sharps;
    RefreshChord(state, state.shape, old);
}

void ToggleAllStrings(Window& window) {
    window.state.allStrings = !window.state.allStrings;
}

void ChooseChordOrder(Window& window, CreateOrder order) {
    window.state.chordOrder = order;
}

void ToggleRestTreble(Window& window) {
    window.state.restTreble = !window.state.restTreble;
}

void ToggleWholeNeck(Window& window) {
    window.state.wholeNeck = !window.state.wholeNeck;
}

// The chord is named anew; a chosen type the vocabulary does not know is no longer chosen.
void ChooseVocabulary(Window& window, Vocabulary vocabulary) {
    WindowState& state = window.state;
    state.vocabulary = vocabulary;
    if (!SetTypeIndex(state, state.typeIndex)) {
        state.typeIndex = -1;
    }
    RefreshChord(state, state.shape);
}

void AskFretCount(Window& window) {
    Paint(window);
    WindowState& state = window.state;
    const std::optional<std::string> answer = window.services.dialogs.Input(
        "Enter number of frets to display", "", std::to_string(state.numFrets));
    const std::optional<int> frets =
        answer ? WholeAnswer(*answer, kMinFrets, kMaxFrets) : std::nullopt;
    if (!frets) {
        window.services.dialogs.Beep();
        return;
    }
    state.numFrets = *frets;
    RefreshChord(state, Fingering{});
    state.browsingCandidates = false;
    LayoutFrets(state);
}

// The fretboard and its pictures mirrored, the chord unchanged; the barre is placed anew.
void ToggleLeftHanded(Window& window) {
    window.state.leftHanded = !window.state.leftHanded;
    window.state.barreWherever = true;
}

void ChooseZoom(Window& window, int percent) {
    if (IsZoomStep(percent)) {
        window.state.zoomPercent = percent;
    }
}

void ShowTuner(Window& window) {
    window.services.desktop.ShowTuner(window.state.strings.tuning);
}

void ToggleToolTips(Window& window) {
    window.state.toolTips = !window.state.toolTips;
}

void OpenHelp(Window& window) {
    window.services.desktop.OpenHelp();
}

void ShowAbout(Window& window) {
    window.services.dialogs.Message(std::string(kVersionedName) +
                                        " - chords for guitarists. Further information is "
                                        "available from the Fretwise website.\r\nWritten by the "
                                        "Fretwise developers.",
                                    MessageIcon::None);
}

void Exit(Window& window) {
    window.services.desktop.Quit();
}

}  // namespace fretwise
