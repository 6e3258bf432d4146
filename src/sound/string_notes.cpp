#include "sound/string_notes.hpp"

#include <array>

namespace fretwise {

namespace {

constexpr std::array<int, kStringCount> kSoundNoteOffset = {11, 11, -1, -1, -1, -13};

}  // namespace

int SoundNoteOfString(int string, Pitch note) {
    return static_cast<std::int16_t>(note + kSoundNoteOffset.at(static_cast<std::size_t>(string)));
}

std::vector<double> ChordNotesToPlay(const Fingering& shape) {
    std::vector<double> notes;
    for (int s = 0; s < kStringCount; ++s) {
        if (shape.Note[s] >= 0) {
            notes.push_back(SoundNoteOfString(s, shape.Note[s]));
        }
    }
    return notes;
}

}  // namespace fretwise
