// libFuzzer target: any text as a chord symbol, in both vocabularies. A symbol the reader
// accepts names a root and a type of the vocabulary's list and a bass among the pitch classes,
// sounds the type's notes (and a bass outside them), and its symbol as the program writes it
// reads back as the same chord; a symbol refused says why. What the classic vocabulary reads,
// the full one reads as the same chord.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/music/chord_symbol.hpp"
#include "core/music/chord_types.hpp"
#include "fuzz_check.hpp"

namespace {

// The bass written only when it is not the root.
std::optional<int> Bass(const fretwise::ChordSymbol& chord) {
    return chord.bass == fretwise::PitchClass(chord.root + 1) ? std::nullopt : chord.bass;
}

void CheckReading(std::string_view text, fretwise::Vocabulary vocabulary) {
    using namespace fretwise;
    const SymbolReading read = ReadChordSymbol(text, vocabulary);
    Check(read.chord.has_value() == read.error.empty());
    if (!read.chord) {
        return;
    }
    const ChordSymbol& chord = *read.chord;
    Check(chord.root >= 0 && chord.root < kRootCount);
    Check(chord.type >= 0 && chord.type < ChordTypeCount(vocabulary) &&
          chord.type != kBlankChordType);
    Check(!chord.bass || (*chord.bass >= 0 && *chord.bass < 12));
    const std::optional<SoundedChord> sounded = ChordSounded(chord, vocabulary);
    Check(sounded && (SoundedNotes(*sounded) & NoteBitsOf(kChordTypes[chord.type])) ==
                         NoteBitsOf(kChordTypes[chord.type]));

    const std::optional<std::string> symbol = ChordSymbolText(chord, chord.spelling);
    if (symbol) {
        const SymbolReading again = ReadChordSymbol(*symbol, vocabulary);
        Check(again.chord && again.chord->root == chord.root && again.chord->type == chord.type &&
              Bass(*again.chord) == Bass(chord));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace fretwise;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckReading(text, Vocabulary::Classic);
    CheckReading(text, Vocabulary::Full);
    const SymbolReading classic = ReadChordSymbol(text);
    if (classic.chord) {
        Check(ReadChordSymbol(text, Vocabulary::Full).chord == classic.chord);
    }
    return 0;
}
