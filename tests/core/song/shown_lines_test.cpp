#include "core/song/shown_lines.hpp"

#include <gtest/gtest.h>

#include <string>

namespace fretwise::test {
namespace {

std::vector<ShownLine> Shown(std::string_view text, SongSetting setting = {}) {
    const SongFile file = *ReadSongText(text).file;
    return ShownLines(file, 0, setting);
}

// A line of lyrics as "chord|words" pieces, an annotation starred.
std::string Pieces(const ShownLine& line) {
    std::string written;
    for (const ChordOverWords& piece : line.pieces) {
        written += (written.empty() ? "" : " ") + std::string(piece.annotation ? "*" : "") +
                   piece.chord + "|" + piece.words;
    }
    return written;
}

TEST(ShownLinesTest, ChordsStandOverTheWordsThatFollowThem) {
    const std::pair<const char*, const char*> cases[] = {
        {"Swing [D]low, sweet [G]chari[D]ot", "|Swing  D|low, sweet  G|chari D|ot"},
        {"[C]Start", "C|Start"},
        {"[Am]  [G]", "Am|   G|"},
        {"Coda [*rit.]here [N.C.]", "|Coda  *rit.|here  N.C.|"},
        {"no chords at all", "|no chords at all"},
        {"caf\xe9 [C]au lait", "|caf\xEF\xBF\xBD  C|au lait"},
    };
    for (const auto& [text, pieces] : cases) {
        const std::vector<ShownLine> lines = Shown(text);
        ASSERT_EQ(lines.size(), 1u) << text;
        EXPECT_EQ(lines[0].kind, ShownKind::Lyrics);
        EXPECT_EQ(Pieces(lines[0]), pieces) << text;
    }
    EXPECT_EQ(Pieces(Shown("{transpose: 2}\n[C]la [*C]", {0, 1})[0]), "C#|la  *C|");
}

TEST(ShownLinesTest, DirectivesShowTheirWordsAndOtherInstrumentsNothing) {
    const std::vector<ShownLine> lines = Shown(
        "{title: Not shown}\n# nor this\n{c: Slowly}\n{ci: softer}\n{cb: Key change}\n"
        "{soc: Chorus 1}\n[G]Swing\n\n{eoc}\n{chorus}\n{chorus: Last chorus}\n"
        "{c-ukulele: not for us}\n{sov-ukulele}\n[C]Nor this\n{eov}\n{sot}\ne|--3--|\n{eot}\n"
        "{sog}\n| G . | D7 . |\n{eog}\n{highlight: Loud}");
    const std::pair<ShownKind, const char*> expected[] = {
        {ShownKind::Comment, "Slowly"},
        {ShownKind::CommentItalic, "softer"},
        {ShownKind::CommentBox, "Key change"},
        {ShownKind::Label, "Chorus 1"},
        {ShownKind::Lyrics, ""},
        {ShownKind::Blank, ""},
        {ShownKind::Label, "Chorus"},
        {ShownKind::Label, "Last chorus"},
        {ShownKind::Tab, "e|--3--|"},
        {ShownKind::Grid, "| G . | D7 . |"},
        {ShownKind::Comment, "Loud"},
    };
    ASSERT_EQ(lines.size(), std::size(expected));
    for (std::size_t k = 0; k < lines.size(); ++k) {
        EXPECT_EQ(lines[k].kind, expected[k].first) << k;
        EXPECT_EQ(lines[k].text, expected[k].second) << k;
        EXPECT_EQ(lines[k].inChorus, k >= 3 && k <= 5) << k;
    }
    EXPECT_EQ(Shown("{sog}\n| G . | D7 . |\n{eog}", {2, std::nullopt})[0].text, "| A . | E7 . |");
}

}  // namespace
}  // namespace fretwise::test
