#include "core/song/shape_flow.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>
#include <string>
#include <tuple>

#include "support/shapes.hpp"

namespace fretwise::test {
namespace {

// Frets low E string first, as Frets() reads them.
std::string Written(const PerString& frets) {
    bool wide = false;
    for (const std::int16_t fret : frets) {
        wide = wide || fret >= 10;
    }
    std::string text;
    for (int s = kStringCount - 1; s >= 0; --s) {
        text += wide && s < kStringCount - 1 ? " " : "";
        text += frets[s] < 0 ? "x" : std::to_string(frets[s]);
    }
    return text;
}

struct Agreement {
    int chords = 0;
    int same = 0;
    std::string misses;
};

// Takes the authors' shapes out of the songs of a folder, chooses shapes, and counts the
// chords whose shape comes back.
Agreement ChosenBack(const std::filesystem::path& folder) {
    Agreement agreement;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().extension() != ".cho") {
            continue;
        }
        const SongReading reading = ReadSongFile(entry.path());
        EXPECT_TRUE(reading.file) << entry.path();
        ArrangedSong song = Arrange(*reading.file, 0, {});
        std::vector<std::optional<PerString>> authors;
        for (PlayedChord& chord : song.chords) {
            authors.push_back(chord.defined ? chord.defined->frets : std::nullopt);
            chord.defined.reset();
        }
        ShapeSearch search;
        search.strings.capo = static_cast<std::int16_t>(song.capo);
        const SongShapes shapes = ChooseShapes(song, search);
        for (std::size_t k = 0; k < song.chords.size(); ++k) {
            if (!authors[k] || !ResolveChordName(song.chords[k].sounding, search.vocabulary)) {
                continue;
            }
            ++agreement.chords;
            if (shapes.shapes[k] && shapes.shapes[k]->Fret == *authors[k]) {
                ++agreement.same;
            } else {
                agreement.misses += " " + entry.path().stem().string() + ":" +
                                    song.chords[k].shape + " " + Written(*authors[k]) + " not " +
                                    (shapes.shapes[k] ? Written(shapes.shapes[k]->Fret) : "-");
            }
        }
    }
    return agreement;
}

TEST(ShapeFlowTest, ChoosesTheAuthorsShapesBack) {
    const std::filesystem::path songs = FRETWISE_SONGS_DIR;
    for (const auto& [folder, set] : {std::pair{songs, "tuning"}, {songs / "check", "check"}}) {
        const Agreement agreement = ChosenBack(folder);
        std::cout << set << " set: " << agreement.same << " of " << agreement.chords
                  << " chords chosen back;" << agreement.misses << '\n';
        EXPECT_GE(agreement.same * 100, agreement.chords * 90) << set << agreement.misses;
    }
}

SongShapes ShapesOf(std::string_view text, ArrangedSong& song,
                    Vocabulary vocabulary = Vocabulary::Classic) {
    const SongReading reading = ReadSongText(text);
    song = Arrange(*reading.file, 0, {});
    ShapeSearch search;
    search.vocabulary = vocabulary;
    return ChooseShapes(song, search);
}

TEST(ShapeFlowTest, OpenChordsStayOpen) {
    const std::pair<const char*, const char*> chords[] = {
        {"G", "320003"},  {"C", "x32010"},   {"D", "xx0232"},   {"Em", "022000"},
        {"Am", "x02210"}, {"E", "022100"},   {"A", "x02220"},   {"Dm", "xx0231"},
        {"E7", "020100"}, {"A7", "x02020"},  {"D7", "xx0212"},  {"G7", "320001"},
        {"B7", "x21202"}, {"Am7", "x02010"}, {"Em7", "020000"}, {"Cmaj7", "x32000"},
        {"F", "133211"},  {"Bm", "x24432"},
    };
    std::string text;
    for (const auto& [name, frets] : chords) {
        text += std::string("[") + name + "]la ";
    }
    ArrangedSong song;
    const SongShapes shapes = ShapesOf(text, song);
    ASSERT_EQ(song.chords.size(), std::size(chords));
    for (std::size_t k = 0; k < song.chords.size(); ++k) {
        ASSERT_TRUE(shapes.shapes[k]) << chords[k].first;
        EXPECT_EQ(Written(shapes.shapes[k]->Fret), chords[k].second) << chords[k].first;
    }
}

TEST(ShapeFlowTest, ADefinedShapeStaysAndUnknownNamesAreListed) {
    ArrangedSong song;
    const SongShapes shapes = ShapesOf(
        "{define: G base-fret 1 frets 3 2 0 0 3 3}\n{define: Dosa frets x x 0 2 3 2}\n"
        "[G]la [Dosa]la [Hm]la [C]la [Cx]la [Cx]la",
        song);
    ASSERT_EQ(song.chords.size(), 4u);
    EXPECT_EQ(Written(shapes.shapes[0]->Fret), "320033");
    EXPECT_EQ(Written(shapes.shapes[1]->Fret), "xx0232");
    EXPECT_EQ(Written(shapes.shapes[2]->Fret), "x32010");
    EXPECT_FALSE(shapes.shapes[3]);
    EXPECT_EQ(shapes.unknown, std::vector<std::string>{"Cx"});
}

// Songbook chords the classic catalogue lacks take the full vocabulary; a bass outside the
// chord sounds lowest in either.
TEST(ShapeFlowTest, TheFullVocabularyPlaysEveryChartChord) {
    const char* text = "[Am/G]la [C7#9]la [Am(add9)]la";
    ArrangedSong song;
    const SongShapes classic = ShapesOf(text, song);
    EXPECT_EQ(classic.unknown, (std::vector<std::string>{"C7#9", "Am(add9)"}));
    ASSERT_TRUE(classic.shapes[0]);
    EXPECT_EQ(Written(classic.shapes[0]->Fret)[0], '3');  // G on the low E string
    const SongShapes full = ShapesOf(text, song, Vocabulary::Full);
    EXPECT_TRUE(full.unknown.empty());
    for (const std::optional<Fingering>& shape : full.shapes) {
        EXPECT_TRUE(shape);
    }
}

// A shape with the fingers given as frets are written, low E string first.
Fingering Fingered(std::string_view frets, std::string_view fingers) {
    Fingering shape;
    shape.Fret = Frets(frets);
    shape.Finger = Frets(fingers);
    return shape;
}

TEST(ShapeFlowTest, MovingTheHandCostsTravelBeyondFourFretsAndFingersPutDown) {
    const std::tuple<Fingering, Fingering, float> moves[] = {
        {Fingered("x32010", "x32010"), Fingered("x32010", "x32010"), 0.0f},
        {Fingered("x32010", "x32010"), Fingered("x32013", "x32014"), 0.1f},
        {Fingered("x32013", "x32014"), Fingered("x32010", "x32010"), 0.0f},
        {Fingered("x32010", "x32010"), Fingered("xx0232", "xx0132"), 0.3f},
        {Fingered("133211", "134211"), Fingered("x35553", "x12341"), 0.4f},
        {Fingered("x02220", "x01230"), Fingered("x 12 14 14 14 12", "x12341"),
         0.25f * (13.2f - 2.0f - 4.0f) + 0.4f},
    };
    for (const auto& [from, to, cost] : moves) {
        EXPECT_NEAR(MoveCost(from, to), cost, 1e-4)
            << Written(from.Fret) << " to " << Written(to.Fret);
    }
}

TEST(ShapeFlowTest, GivenFingersMakeTheBarreTheyHold) {
    const std::tuple<const char*, const char*, int, int, int> cases[] = {
        // frets, fingers, barre from, to (strings, 0 = high E), fret; fret 0 for none
        {"133211", "134211", 0, 5, 1}, {"x24432", "x13421", 0, 4, 2}, {"xx0211", "xx0211", 0, 1, 1},
        {"xx0232", "xx0132", 0, 0, 0}, {"355333", "134111", 0, 5, 3}, {"x32010", "x32010", 0, 0, 0},
    };
    for (const auto& [frets, fingers, from, to, fret] : cases) {
        const Fingering shape = WithFingers(GivenShape(Frets(frets), {}), Frets(fingers));
        EXPECT_EQ(shape.Finger, Frets(fingers)) << frets;
        EXPECT_EQ(shape.HasBarre() ? shape.BarreFrom : 0, from) << frets;
        EXPECT_EQ(shape.HasBarre() ? shape.BarreTo : 0, to) << frets;
        EXPECT_EQ(shape.HasBarre() ? shape.BarreFret : 0, fret) << frets;
    }
}

}  // namespace
}  // namespace fretwise::test
