#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

#include "core/sound/clock.hpp"
#include "core/sound/slot_table.hpp"
#include "core/sound/sound_player.hpp"
#include "core/sound/synthesis.hpp"

namespace fretwise {

// What became of a synthesis request.
enum class SynthOutcome {
    Played,       // written to a temporary file and handed to the player
    Saved,        // written to the chosen file, not played
    NoNotes,      // nothing to play: no file written, nothing played
    SaveFailed,   // the chosen file could not be written; the caller beeps and says so
    WriteFailed,  // the temporary file could not be written; silent
};

// Renders chords and notes into WAV files and plays them, for the play buttons, the
// fretboard and the tuner. Temporary files chord0.wav ... chord32.wav live in tempDir. Every
// request reserves a slot, so a sound still playing is stopped first, also by a save.
class SoundEngine {
  public:
    SoundEngine(SoundPlayer& player, const Clock& clock, std::filesystem::path tempDir);

    // The notes (sound note numbers, repeats ignored) as one chord, played.
    SynthOutcome SynthChord(std::vector<double> notes, StrumMode strum);
    // The same sound written to file (replaced whole) instead of played.
    SynthOutcome SaveChord(std::vector<double> notes, StrumMode strum,
                           const std::filesystem::path& file);
    // A single note, played.
    SynthOutcome SynthNote(double note);
    // A single note, played over and over until the next sound.
    SynthOutcome LoopNote(double note);

    void PlaySoundFile(const std::filesystem::path& file);  // empty path stops the sound
    void LoopSoundFile(const std::filesystem::path& file);

    // The temporary file of a slot; the window deletes them at close.
    std::filesystem::path SlotFile(int slot) const;
    static constexpr int kSlotCount = SlotTable::kSlotCount;

  private:
    // Reserves a slot; any slot but 0 means a sound may still be playing, so it is stopped.
    int ReserveSlot();
    SynthOutcome WriteAndPlay(int slot, std::span<const std::uint8_t> wav, bool loop = false);

    SoundPlayer& player_;
    const Clock& clock_;
    std::filesystem::path tempDir_;
    SlotTable slots_;
};

}  // namespace fretwise
