// Settings > Tuning: the named tunings, "Custom tuning..." and "Capo...".
#include <cmath>
#include <string>

#include "window/main_controller.hpp"
#include "window/number_input.hpp"

namespace fretwise {

void MainController::ChooseTuning(int preset) {
    const std::span<const TuningPreset> presets = TuningPresets();
    if (preset < 0 || preset >= static_cast<int>(presets.size())) {
        return;
    }
    Retune({presets[static_cast<std::size_t>(preset)].tuning, strings_.capo});
}

void MainController::AskCustomTuning() {
    Notify();
    const std::optional<Tuning> tuning = services_.dialogs.AskTuning(strings_.tuning);
    Retune({tuning.value_or(strings_.tuning), strings_.capo});
}

void MainController::AskCapo() {
    Notify();
    const std::optional<std::string> answer = services_.dialogs.Input(
        "Enter the fret of the capo (0 for none, at most " + std::to_string(kMaxCapo) + ")", "",
        std::to_string(strings_.capo));
    if (!answer) {
        Notify();
        return;
    }
    const std::optional<double> value = ParseTypedNumber(*answer);
    if (!value || *value < 0 || *value > kMaxCapo || std::floor(*value) != *value) {
        services_.dialogs.Beep();
        Notify();
        return;
    }
    Retune({strings_.tuning, static_cast<std::int16_t>(*value)});
}

// The fingers stay where they are and sound the new strings; the created candidates were
// found for the old ones, so browsing them ends. The menu shows its check marks again either
// way.
void MainController::Retune(const OpenStrings& strings) {
    if (strings != strings_) {
        UseOpenStrings(strings);
        display_.candidateScroll.enabled = false;
        RefreshDisplay(currentShape_);
    }
    Notify();
}

void MainController::UseOpenStrings(const OpenStrings& strings) {
    strings_ = strings;
    const std::span<const TuningPreset> presets = TuningPresets();
    const TuningPreset* preset = PresetOf(strings.tuning);
    display_.menu.tuningChecked =
        preset == nullptr ? -1 : static_cast<int>(preset - presets.data());
}

}  // namespace fretwise
