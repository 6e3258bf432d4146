#include "tuner/tuner_controller.hpp"

#include <utility>

#include "core/music/fingering.hpp"
#include "core/storage/whole_number.hpp"
#include "tuner/tuner_tones.hpp"

namespace fretwise {

namespace {

bool IsButton(int button) {
    return button >= 0 && button < TunerController::kButtonCount;
}

// A selection outside the list counts as no selection.
std::optional<int> InRange(std::optional<int> index, std::size_t size) {
    if (index && *index >= 0 && static_cast<std::size_t>(*index) < size) {
        return index;
    }
    return std::nullopt;
}

}  // namespace

double OctaveValue(std::string_view text) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    return ReadWholeNumber(text).value_or(0);
}

TunerController::TunerController(SoundEngine& engine, std::filesystem::path wavsDir)
    : engine_(engine), wavsDir_(std::move(wavsDir)) {}

void TunerController::Load() {
    SelectBand(0);
    SelectNote(3);
    SelectOctave(2);
}

void TunerController::SelectNote(std::optional<int> index) {
    note_ = InRange(index, kTunerNotes.size());
}

void TunerController::SelectOctave(std::optional<int> index) {
    octave_ = InRange(index, kTunerOctaves.size());
}

void TunerController::SelectBand(std::optional<int> index) {
    band_ = InRange(index, kBandTones.size());
}

bool TunerController::LoopOn(int toggle) const {
    return IsButton(toggle) && loopOn_[static_cast<std::size_t>(toggle)];
}

std::optional<double> TunerController::ChosenNoteNumber() const {
    if (!note_ || !octave_) {
        return std::nullopt;
    }
    const double d = kTunerNotes[static_cast<std::size_t>(*note_)].offsetFromA;
    const double v = OctaveValue(kTunerOctaves[static_cast<std::size_t>(*octave_)]);
    return d + 12.0 * v + 12.0;
}

void TunerController::StopAndResetToggles() {
    engine_.PlaySoundFile({});
    loopOn_.fill(false);
}

void TunerController::PlayOnce(int button) {
    if (!IsButton(button)) {
        return;
    }
    StopAndResetToggles();
    if (button == kPlayNoteButton) {
        if (const std::optional<double> note = ChosenNoteNumber()) {
            engine_.SynthNote(*note);
        }
    } else {
        // The open string, as the main window plays it without a capo.
        const OpenStrings strings{tuning_, 0};
        engine_.SynthNote(strings.OpenStringPitch(button).SoundNote());
    }
}

void TunerController::ToggleLoop(int toggle) {
    if (!IsButton(toggle)) {
        return;
    }
    const bool wasOn = LoopOn(toggle);
    StopAndResetToggles();
    if (wasOn) {
        return;
    }
    loopOn_[static_cast<std::size_t>(toggle)] = true;
    if (toggle != kBandToggle && tuning_.offsets[static_cast<std::size_t>(toggle)] != 0) {
        const OpenStrings strings{tuning_, 0};
        engine_.LoopNote(strings.OpenStringPitch(toggle).SoundNote());
        return;
    }
    // A missing reference tone stays silent; the toggle still shows that it is on.
    const std::optional<std::filesystem::path> file = LoopFile(toggle);
    std::error_code error;
    if (file && std::filesystem::is_regular_file(*file, error)) {
        engine_.LoopSoundFile(*file);
    }
}

std::optional<std::filesystem::path> TunerController::LoopFile(int toggle) const {
    if (toggle == kBandToggle) {
        if (!band_) {
            return std::nullopt;
        }
        return wavsDir_ / kBandTones[static_cast<std::size_t>(*band_)].tone.file;
    }
    return wavsDir_ / kStringTones[static_cast<std::size_t>(toggle)].file;
}

}  // namespace fretwise
