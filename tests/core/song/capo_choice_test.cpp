#include "core/song/capo_choice.hpp"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "core/song/song_plan.hpp"

namespace fretwise::test {
namespace {

// A song that plays each chord of the list once.
SongFile SongOf(std::string_view chords) {
    std::string text;
    std::size_t k = 0;
    while (k < chords.size()) {
        const std::size_t end = std::min(chords.find(' ', k), chords.size());
        text += "[" + std::string(chords.substr(k, end - k)) + "]la\n";
        k = end + 1;
    }
    return *ReadSongText(text).file;
}

std::string ShapeNames(const SongPlan& plan) {
    std::string names;
    for (const PlayedChord& chord : plan.arranged.chords) {
        names += (names.empty() ? "" : " ") + chord.shape;
    }
    return names;
}

TEST(CapoChoiceTest, FindsTheCapoThatMakesTheOpenChordsPlayTheSong) {
    const std::tuple<const char*, int, const char*> cases[] = {
        {"Ab Db Eb", 1, "G C D"},
        {"F Bb C", 3, "D G A"},
        {"Bb Eb F", 1, "A D E"},
        {"F# B C#", 4, "D G A"},
        {"C F G Am", 5, "G C D Em"},
        {"Db Gb Ab Bbm", 6, "G C D Em"},
        {"Fm Bbm C7", 1, "Em Am B7"},
        // Songs the open chords already play keep no capo; a tie keeps the lower capo.
        {"G C D Em", 0, "G C D Em"},
        {"E A B7", 0, "E A B7"},
        {"Em", 0, "Em"},
    };
    for (const auto& [chords, capo, shapes] : cases) {
        const SongFile song = SongOf(chords);
        const SongPlan plan = PlanSong(song, 0, 0, CapoWish::Suggested(), {});
        EXPECT_EQ(plan.arranged.capo, capo) << chords;
        EXPECT_EQ(ShapeNames(plan), shapes) << chords;
        for (int other = 0; other <= kMaxCapo; ++other) {
            EXPECT_LE(plan.suggestion->costs[capo], plan.suggestion->costs[other])
                << chords << " capo " << other;
        }
    }
}

TEST(CapoChoiceTest, ASongMovedUpASemitoneGetsItsShapesBackWithTheCapo) {
    const SongFile song = SongOf("G Em C D7 G");
    const SongPlan plan = PlanSong(song, 0, 1, CapoWish::Suggested(), {});
    EXPECT_EQ(plan.arranged.capo, 1);
    EXPECT_EQ(ShapeNames(plan), "G Em C D7");
    EXPECT_EQ(plan.arranged.chords[0].sounding, "G#");
}

TEST(CapoChoiceTest, EachChordCountsAsOftenAsItIsPlayed) {
    const CapoSuggestion once = SuggestCapo(SongOf("Bb F"), 0, 0, {});
    const CapoSuggestion twice = SuggestCapo(SongOf("Bb F Bb F"), 0, 0, {});
    EXPECT_GT(once.costs[0], 0.0f);
    EXPECT_FLOAT_EQ(twice.costs[0], 2 * once.costs[0]);
}

}  // namespace
}  // namespace fretwise::test
