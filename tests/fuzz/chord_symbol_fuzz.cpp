// libFuzzer target: any text as a chord symbol. A symbol the reader accepts names a root and a
// type of the lists and a bass among the pitch classes, and its symbol as the program writes
// it reads back as the same chord; a symbol refused says why.
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace fretwise;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const SymbolReading read = ReadChordSymbol(text);
    Check(read.chord.has_value() == read.error.empty());
    if (!read.chord) {
        return 0;
    }
    const ChordSymbol& chord = *read.chord;
    Check(chord.root >= 0 && chord.root < kRootCount);
    Check(chord.type >= 0 && chord.type < kChordTypeCount && chord.type != kBlankChordType);
    Check(!chord.bass || (*chord.bass >= 0 && *chord.bass < 12));

    const std::optional<std::string> symbol = ChordSymbolText(chord, chord.spelling);
    if (symbol) {
        const SymbolReading again = ReadChordSymbol(*symbol);
        Check(again.chord && again.chord->root == chord.root && again.chord->type == chord.type &&
              Bass(*again.chord) == Bass(chord));
    }
    return 0;
}
