#include "core/sound/sound_engine.hpp"

#include <fstream>
#include <string_view>
#include <system_error>

#include "core/storage/atomic_file.hpp"

namespace fretwise {

namespace {

std::string_view AsText(std::span<const std::uint8_t> bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

// The temporary files are scratch copies for the player: written in place, no sync to disk.
bool WriteScratchFile(const std::filesystem::path& file, std::span<const std::uint8_t> bytes) {
    std::error_code ec;
    std::filesystem::create_directories(file.parent_path(), ec);
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    const std::string_view text = AsText(bytes);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
    return !out.fail();
}

}  // namespace

SoundEngine::SoundEngine(SoundPlayer& player, const Clock& clock, std::filesystem::path tempDir)
    : player_(player), clock_(clock), tempDir_(std::move(tempDir)) {}

int SoundEngine::ReserveSlot() {
    const int slot = slots_.Reserve(clock_);
    if (slot != 0) {
        player_.Stop();
    }
    return slot;
}

SynthOutcome SoundEngine::SynthChord(std::vector<double> notes, StrumMode strum) {
    const int slot = ReserveSlot();
    RemoveDuplicateNotes(notes);
    if (notes.empty()) {
        return SynthOutcome::NoNotes;
    }
    return WriteAndPlay(slot, RenderChordWav(notes, strum));
}

SynthOutcome SoundEngine::SaveChord(std::vector<double> notes, StrumMode strum,
                                    const std::filesystem::path& file) {
    ReserveSlot();
    RemoveDuplicateNotes(notes);
    if (notes.empty()) {
        return SynthOutcome::NoNotes;
    }
    return WriteFileAtomically(file, AsText(RenderChordWav(notes, strum)))
               ? SynthOutcome::Saved
               : SynthOutcome::SaveFailed;
}

SynthOutcome SoundEngine::SynthNote(double note) {
    return WriteAndPlay(ReserveSlot(), RenderNoteWav(note));
}

SynthOutcome SoundEngine::LoopNote(double note) {
    return WriteAndPlay(ReserveSlot(), RenderNoteWav(note), true);
}

SynthOutcome SoundEngine::WriteAndPlay(int slot, std::span<const std::uint8_t> wav, bool loop) {
    const std::filesystem::path file = SlotFile(slot);
    if (!WriteScratchFile(file, wav)) {
        return SynthOutcome::WriteFailed;
    }
    if (loop) {
        LoopSoundFile(file);
    } else {
        PlaySoundFile(file);
    }
    return SynthOutcome::Played;
}

void SoundEngine::PlaySoundFile(const std::filesystem::path& file) {
    if (file.empty()) {
        player_.Stop();
    } else {
        player_.PlayOnce(file);
    }
}

void SoundEngine::LoopSoundFile(const std::filesystem::path& file) {
    if (file.empty()) {
        player_.Stop();
    } else {
        player_.Loop(file);
    }
}

std::filesystem::path SoundEngine::SlotFile(int slot) const {
    return tempDir_ / ("chord" + std::to_string(slot) + ".wav");
}

}  // namespace fretwise
