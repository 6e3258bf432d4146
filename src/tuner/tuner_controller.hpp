#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string_view>

#include "core/music/tuning.hpp"
#include "core/sound/sound_engine.hpp"

namespace fretwise {

// The behaviour of the guitar tuner window, free of any toolkit. Buttons 0 to 5 belong to the
// strings 0 (high E) to 5 (low E); button 6 of the play-once row is "Play a note" and toggle 6
// is "Tune a band". Every press stops the sound first; at most one loop toggle is on.
class TunerController {
  public:
    static constexpr int kStringCount = 6;
    static constexpr int kButtonCount = 7;
    static constexpr int kPlayNoteButton = 6;
    static constexpr int kBandToggle = 6;

    // wavsDir is the "WAVs" folder holding the recorded reference tones.
    TunerController(SoundEngine& engine, std::filesystem::path wavsDir);

    // Selects "Concert A", "A" and octave "0".
    void Load();

    // The strings' buttons sound the open strings of this tuning (standard until told).
    void UseTuning(const Tuning& tuning) { tuning_ = tuning; }

    // A play-once button: the string's note, or for button 6 the chosen note and octave.
    void PlayOnce(int button);
    // A loop toggle: switches the loop of its recorded tone on or off. A string tuned away
    // from standard, which no recorded tone matches, loops its synthesised note instead.
    void ToggleLoop(int toggle);

    // The toggle's state: on shows the stop picture, off the play picture.
    bool LoopOn(int toggle) const;

    // List selections; nullopt when nothing is selected.
    void SelectNote(std::optional<int> index);
    void SelectOctave(std::optional<int> index);
    void SelectBand(std::optional<int> index);
    std::optional<int> SelectedNote() const { return note_; }
    std::optional<int> SelectedOctave() const { return octave_; }
    std::optional<int> SelectedBand() const { return band_; }

    // The note number of "Play a note": offset from A + 12 × octave + 12; nullopt without a
    // note or an octave selected.
    std::optional<double> ChosenNoteNumber() const;

  private:
    void StopAndResetToggles();
    std::optional<std::filesystem::path> LoopFile(int toggle) const;

    SoundEngine& engine_;
    std::filesystem::path wavsDir_;
    std::array<bool, kButtonCount> loopOn_{};
    std::optional<int> note_;
    std::optional<int> octave_;
    std::optional<int> band_;
    Tuning tuning_{};
};

// The numeric value of an octave entry ("+2" is 2, "-1" is -1); 0 for text that is no number.
double OctaveValue(std::string_view text);

}  // namespace fretwise
