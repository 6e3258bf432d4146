#include "core/sound/string_notes.hpp"

namespace fretwise {

int SoundNoteOfString(int string, Pitch note, const OpenStrings& strings) {
    return static_cast<std::int16_t>(strings.SoundNote(string, note));
}

std::vector<double> ChordNotesToPlay(const Fingering& shape, const OpenStrings& strings) {
    std::vector<double> notes;
    for (int s = 0; s < kStringCount; ++s) {
        if (shape.Note[s] >= 0) {
            notes.push_back(SoundNoteOfString(s, shape.Note[s], strings));
        }
    }
    return notes;
}

}  // namespace fretwise
