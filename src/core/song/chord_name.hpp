#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/music/pitch.hpp"

namespace fretwise {

// A note name as songs write it: a letter A-G and an optional sharp or flat (#, b, or the
// signs), or two of them (Bbb).
struct NoteSpelling {
    Pitch pitch = 1;         // pitch number 1-12 (1 = A)
    std::size_t length = 0;  // bytes of the text it was read from
};

// The note name at the start of text, if there is one.
std::optional<NoteSpelling> ReadNoteSpelling(std::string_view text);

// A chord as a song writes it, its name cut into the root, whatever follows it, and a bass note
// after the last slash when one is written there: "C#m7b5", "D/F#", "Dosa".
struct WrittenChord {
    Pitch root = 1;
    std::string suffix;  // between the root and the bass: "m7b5", "osa", "6/9"
    std::optional<Pitch> bass;

    bool operator==(const WrittenChord&) const = default;
};

// The parts of a name that starts with a note; nullopt for a name without a root ("N.C.").
std::optional<WrittenChord> ReadChordName(std::string_view text);

// The name moved by semitones: root and bass move, the suffix stays as it is.
WrittenChord Transposed(const WrittenChord& name, int semitones);

// The name written in a spelling; a suffix that starts with a sharp or flat goes in
// parentheses, so that it does not read as part of the root.
std::string ChordNameText(const WrittenChord& name, Accidentals mode);

// How names moved by an amount are spelled: sharps going up and flats going down, except that
// a song in a key written with flats keeps its flats going up, unless it lands in a key
// written with sharps (Eb up a tone is F, with flats; F up a tone is G, with sharps). The
// key is the one the song is written in, if known.
Accidentals SpellingFor(int semitones, std::optional<std::string_view> key);

// The text of a chord name moved by semitones and spelled for the key, or the text as it is
// when it does not move or names no root.
std::string TransposedChordText(std::string_view text, int semitones,
                                std::optional<std::string_view> key);

// Whether a key such as "F", "Bb" or "Dm" is written with flats (true) or sharps (false);
// nullopt for C, Am and anything that is no key.
std::optional<bool> KeyUsesFlats(std::string_view key);

}  // namespace fretwise
