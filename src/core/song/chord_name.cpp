#include "core/song/chord_name.hpp"

#include <array>

namespace fretwise {

namespace {

constexpr std::string_view kSharpSign = "\u266F";  // ♯
constexpr std::string_view kFlatSign = "\u266D";   // ♭

// Pitch number of each letter A-G.
constexpr std::array<Pitch, 7> kLetterPitch = {1, 3, 4, 6, 8, 9, 11};

Pitch Wrapped(int pitch) {
    return static_cast<Pitch>(((pitch - 1) % 12 + 12) % 12 + 1);
}

// What the signature of each key holds, by the pitch class of the key note (G#/Ab = 0,
// A = 1 ... G = 11), for a major key and for a minor key. Where both spellings are keys
// (C#/Db, F#/Gb, B/Cb; G#m/Abm, A#m/Bbm, D#m/Ebm) the spelling written decides.
enum Signature { kNatural, kFlats, kSharps, kEither };
constexpr std::array<Signature, 12> kMajorSignature = {kFlats,   kSharps, kFlats,  kEither,
                                                       kNatural, kEither, kSharps, kFlats,
                                                       kSharps,  kFlats,  kEither, kSharps};
constexpr std::array<Signature, 12> kMinorSignature = {kEither, kNatural, kEither, kSharps,
                                                       kFlats,  kSharps,  kFlats,  kEither,
                                                       kSharps, kFlats,   kSharps, kFlats};

struct Accidental {
    int raise = 0;  // semitones: 1 for a sharp, -1 for a flat, 0 for none
    std::size_t length = 0;
};

Accidental AccidentalAt(std::string_view text) {
    if (text.starts_with('#')) {
        return {1, 1};
    }
    if (text.starts_with(kSharpSign)) {
        return {1, kSharpSign.size()};
    }
    if (text.starts_with('b')) {
        return {-1, 1};
    }
    if (text.starts_with(kFlatSign)) {
        return {-1, kFlatSign.size()};
    }
    return {};
}

}  // namespace

std::optional<NoteSpelling> ReadNoteSpelling(std::string_view text) {
    if (text.empty() || text[0] < 'A' || text[0] > 'G') {
        return std::nullopt;
    }
    NoteSpelling note{kLetterPitch[static_cast<std::size_t>(text[0] - 'A')], 1};
    // One accidental, or two of the same kind (Bbb, F##).
    int raised = 0;
    for (int k = 0; k < 2; ++k) {
        const Accidental accidental = AccidentalAt(text.substr(note.length));
        if (accidental.raise == 0 || (raised != 0 && accidental.raise != raised)) {
            break;
        }
        raised += accidental.raise;
        note.length += accidental.length;
    }
    note.pitch = Wrapped(note.pitch + raised);
    return note;
}

std::optional<WrittenChord> ReadChordName(std::string_view text) {
    const std::optional<NoteSpelling> root = ReadNoteSpelling(text);
    if (!root) {
        return std::nullopt;
    }
    WrittenChord name{root->pitch, std::string(text.substr(root->length)), std::nullopt};
    const std::size_t slash = name.suffix.rfind('/');
    if (slash != std::string::npos) {
        const std::string_view after = std::string_view(name.suffix).substr(slash + 1);
        const std::optional<NoteSpelling> bass = ReadNoteSpelling(after);
        if (bass && bass->length == after.size()) {
            name.bass = bass->pitch;
            name.suffix.resize(slash);
        }
    }
    return name;
}

WrittenChord Transposed(const WrittenChord& name, int semitones) {
    WrittenChord moved = name;
    moved.root = Wrapped(name.root + semitones % 12);
    if (name.bass) {
        moved.bass = Wrapped(*name.bass + semitones % 12);
    }
    return moved;
}

std::string ChordNameText(const WrittenChord& name, Accidentals mode) {
    std::string text(NoteName(name.root, mode));
    // A suffix that starts with a sharp or flat ("C#b5" moved to D) would read as part of the
    // root: it goes in parentheses.
    const bool apart = AccidentalAt(name.suffix).raise != 0;
    text += apart ? "(" + name.suffix + ")" : name.suffix;
    if (name.bass) {
        text += '/';
        text += NoteName(*name.bass, mode);
    }
    return text;
}

std::optional<bool> KeyUsesFlats(std::string_view key) {
    const std::optional<WrittenChord> name = ReadChordName(key);
    if (!name || name->bass) {
        return std::nullopt;
    }
    const bool minor = name->suffix == "m" || name->suffix == "min" || name->suffix == "-";
    if (!minor && !name->suffix.empty()) {
        return std::nullopt;
    }
    const int pitchClass = PitchClass(name->root);
    switch ((minor ? kMinorSignature : kMajorSignature)[static_cast<std::size_t>(pitchClass)]) {
        case kFlats:
            return true;
        case kSharps:
            return false;
        case kEither:
            return key.find('b') != std::string_view::npos ||
                   key.find(kFlatSign) != std::string_view::npos;
        case kNatural:
            break;
    }
    return std::nullopt;
}

Accidentals SpellingFor(int semitones, std::optional<std::string_view> key) {
    const Accidentals byDirection = semitones < 0 ? Accidentals::Flats : Accidentals::Sharps;
    if (byDirection == Accidentals::Flats || !key || KeyUsesFlats(*key) != true) {
        return byDirection;
    }
    // A flat key moving up keeps its flats, unless it lands in a key written with sharps.
    const std::optional<WrittenChord> keyName = ReadChordName(*key);
    const std::string landing = ChordNameText(Transposed(*keyName, semitones), byDirection);
    return KeyUsesFlats(landing) == false ? Accidentals::Sharps : Accidentals::Flats;
}

std::string TransposedChordText(std::string_view text, int semitones,
                                std::optional<std::string_view> key) {
    const std::optional<WrittenChord> name = ReadChordName(text);
    if (!name || semitones == 0) {
        return std::string(text);
    }
    return ChordNameText(Transposed(*name, semitones), SpellingFor(semitones, key));
}

}  // namespace fretwise
