#include "core/create/option_lists.hpp"

#include <algorithm>

#include "core/music/chord_types.hpp"
#include "core/music/fret_range.hpp"

namespace fretwise {

namespace {

bool IsChordClass(const ChordClasses& chord, int note) {
    return std::find(chord.begin(), chord.end(), PitchClass(note)) != chord.end();
}

// Appends the note once for every chord class it matches.
void AppendMatches(OptionList& list, const ChordClasses& chord, int note) {
    for (const std::int16_t pc : chord) {
        if (PitchClass(note) == pc) {
            list.Append(static_cast<std::int16_t>(note));
        }
    }
}

}  // namespace

bool OptionList::Contains(std::int16_t note) const {
    return std::find(begin(), end(), note) != end();
}

ChordClasses ChordPitchClasses(int root, int type, Vocabulary vocabulary, int addedNote) {
    // Root index r is the note of pitch number r + 1.
    const int rootPitch = root + 1;
    ChordClasses chord;
    for (const std::int16_t semitones : ChordTypeOf(type, vocabulary).Notes()) {
        chord.classes[chord.size++] = PitchClass(rootPitch + semitones);
    }
    if (addedNote >= 0) {
        chord.classes[chord.size++] = PitchClass(rootPitch + addedNote);
    }
    return chord;
}

OptionLists BuildOptionLists(const SearchRequest& request, const ChordClasses& chord) {
    const FretWindow frets = SearchedFrets(request);
    OptionLists options;
    const PerString open = request.strings.OpenPitches();
    for (int s = 0; s < kStringCount; ++s) {
        for (int note = open[s] + frets.first; note <= open[s] + frets.last; ++note) {
            AppendMatches(options[s], chord, note);
        }
    }

    // The open string is offered wherever the window lies. A string whose open note is not
    // in the chord may be left unplayed: from the G string down for intervals and the
    // octave, from the D string down for everything else; never the two highest strings.
    // Guitarists leave out any string but the high E, chord note or not (D as x x 0 2 3 2,
    // C7b5 as x 3 2 3 x 2); the full vocabulary's chords, whose many notes take in most open
    // strings, leave out any of the low strings.
    const bool guitarist = request.order == CreateOrder::Guitarist;
    const bool anyLowStringRests = guitarist || request.vocabulary == Vocabulary::Full;
    const int firstMutable = guitarist ? 1 : chord.size == 2 ? 2 : 3;
    for (int s = 0; s < kStringCount; ++s) {
        AppendMatches(options[s], chord, open[s]);
        if (!request.allStrings && s >= firstMutable &&
            (anyLowStringRests || !IsChordClass(chord, open[s]))) {
            options[s].Append(kNotPlayed);
        }
    }

    // Once a string may be left unplayed, so may every lower-sounding one.
    std::array<bool, kStringCount> mayMute{};
    for (int s = 2; s < kStringCount; ++s) {
        mayMute[s] = options[s].Contains(kNotPlayed);
    }
    if (mayMute[2] && !mayMute[3]) {
        options[3].Append(kNotPlayed);
    }
    if ((mayMute[2] || mayMute[3]) && !mayMute[4]) {
        options[4].Append(kNotPlayed);
    }
    if ((mayMute[2] || mayMute[3] || mayMute[4]) && !mayMute[5]) {
        options[5].Append(kNotPlayed);
    }

    // A low string with nothing to sound is left unplayed.
    for (int s = 2; s < kStringCount; ++s) {
        if (!request.allStrings && options[s].empty()) {
            options[s].Append(kNotPlayed);
        }
    }

    // Resting treble strings: the high E may be left unplayed, and the B string with it (the
    // classic enumeration never rests the B string alone).
    if (request.restTreble && !request.allStrings) {
        options[0].Append(kNotPlayed);
        if (!options[1].Contains(kNotPlayed)) {
            options[1].Append(kNotPlayed);
        }
    }
    return options;
}

}  // namespace fretwise
