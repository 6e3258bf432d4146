#pragma once

#include <array>
#include <cstdint>

#include "core/create/fingering_search.hpp"
#include "core/music/chord_types.hpp"
#include "core/music/fingering.hpp"

namespace fretwise {

// The pitch classes a chord sounds, in formula order; an octave names its class twice, a note
// added by a slash bass comes last.
struct ChordClasses {
    std::array<std::int16_t, kMaxChordNotes + 1> classes{};
    int size = 0;

    const std::int16_t* begin() const { return classes.data(); }
    const std::int16_t* end() const { return classes.data() + size; }
};

// The classes of the type at a position of the vocabulary's list, with the note addedNote
// semitones above the root when it is not -1.
ChordClasses ChordPitchClasses(int root, int type, Vocabulary vocabulary = Vocabulary::Classic,
                               int addedNote = -1);

// The note values one string may take in a search, in the order they were found; -1 leaves
// the string unplayed. A value is listed once for every chord class it matches.
class OptionList {
  public:
    // The frets of the whole neck plus the open string, each matching at most every class of
    // a six-note chord, and the unplayed choice.
    static constexpr int kCapacity = (kWholeNeckLastFret + 1) * kStringCount + 1;

    void Append(std::int16_t note) { values_[size_++] = note; }
    bool Contains(std::int16_t note) const;
    int size() const { return size_; }
    bool empty() const { return size_ == 0; }
    const std::int16_t* begin() const { return values_.data(); }
    const std::int16_t* end() const { return values_.data() + size_; }

  private:
    std::array<std::int16_t, kCapacity> values_{};
    int size_ = 0;
};

using OptionLists = std::array<OptionList, kStringCount>;

// What each string may sound for the chord of the request in the frets it searches: the
// chord notes in the window from the nut up, then the open string when it is a chord note,
// then the unplayed choice where the all strings option and the rules on muting allow it.
OptionLists BuildOptionLists(const SearchRequest& request, const ChordClasses& chord);

}  // namespace fretwise
