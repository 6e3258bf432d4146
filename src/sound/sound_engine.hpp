#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "sound/clock.hpp"
#include "sound/slot_table.hpp"
#include "sound/sound_player.hpp"
#include "sound/synthesis.hpp"

namespace fretwise {

// What became of a synthesis request.
enum class SynthOutcome {
    Played,       // written to a temporary file and handed to the player
    Saved,        // written to WavSavePath, not played
    NoNotes,      // nothing to play: no file written, nothing played
    SaveFailed,   // WavSavePath could not be written; the caller beeps and says "Error saving file"
    WriteFailed,  // the temporary file could not be written; silent
};

// Renders chords and notes into WAV files and plays them. Callers fill NotesToPlay, set
// Strum and WavSavePath, then call SynthChord or SynthNote, as the play buttons, the
// fretboard and the tuner do. Temporary files chord0.wav ... chord32.wav live in tempDir.
class SoundEngine {
  public:
    SoundEngine(SoundPlayer& player, const Clock& clock, std::filesystem::path tempDir);

    std::vector<double> NotesToPlay;
    StrumMode Strum = StrumMode::Block;
    std::string WavSavePath;

    SynthOutcome SynthChord();
    SynthOutcome SynthNote();

    void PlaySoundFile(const std::filesystem::path& file);  // empty path stops the sound
    void LoopSoundFile(const std::filesystem::path& file);

    // The temporary file of a slot; the window deletes them at close.
    std::filesystem::path SlotFile(int slot) const;
    static constexpr int kSlotCount = SlotTable::kSlotCount;

  private:
    // Reserves a slot; any slot but 0 means a sound may still be playing, so it is stopped.
    int ReserveSlot();
    SynthOutcome WriteAndPlay(int slot, std::span<const std::uint8_t> wav);

    SoundPlayer& player_;
    const Clock& clock_;
    std::filesystem::path tempDir_;
    SlotTable slots_;
};

}  // namespace fretwise
