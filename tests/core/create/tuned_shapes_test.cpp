#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "core/analysis/assign_fingering.hpp"
#include "core/analysis/chord_analysis.hpp"
#include "core/create/fingering_search.hpp"
#include "core/music/tuning.hpp"
#include "support/shapes.hpp"

namespace fretwise::test {
namespace {

constexpr int kA = 0, kC = 3, kD = 5, kF = 8, kG = 10;
constexpr int kMajor = 0, kPerfectFifth = 32;

OpenStrings Strings(std::string_view preset, int capo = 0) {
    return {*ReadTuning(preset).tuning, static_cast<std::int16_t>(capo)};
}

std::string FirstName(const char* chart, const OpenStrings& strings) {
    Fingering shape;
    shape.Fret = Frets(chart);
    const ChordAnalysis names =
        AnalyseChord(ShapeFretsToNotes(shape, strings), Accidentals::Sharps);
    if (names.NameCount == 0) {
        return "";
    }
    return names.ChordNames[0].Root + " " + names.ChordNames[0].Name;
}

TEST(TunedNaming, NamesWhatTheStringsSound) {
    const struct {
        const char* chart;  // low E string first, frets from the capo
        OpenStrings strings;
        const char* name;
    } cases[] = {
        {"000232", Strings("drop-d"), "D major"},
        {"x02220", Strings("standard", 2), "B major"},
        {"320003", Strings("standard", 2), "A major"},
        {"x32010", Strings("half-down"), "B major"},
        {"000000", Strings("open-g"), "G major"},
        {"000000", Strings("open-c"), "C major"},
        {"000000", Strings("dadgad"), "D suspended"},
        {"x02210", Strings("standard", 7), "E minor"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FirstName(c.chart, c.strings), c.name)
            << c.chart << " in " << TuningText(c.strings.tuning, Accidentals::Sharps) << " capo "
            << c.strings.capo;
    }
}

TEST(TunedFingering, TheScoreDependsOnTheFretsAlone) {
    for (const char* chart : {"x32010", "133211", "000232", "x 8 10 10 10 8"}) {
        Fingering shape;
        shape.Fret = Frets(chart);
        const Fingering standard = AssignFingering(ShapeFretsToNotes(shape), kMaxFrets);
        for (const TuningPreset& preset : TuningPresets()) {
            const Fingering tuned =
                AssignFingering(ShapeFretsToNotes(shape, {preset.tuning, 3}), kMaxFrets);
            EXPECT_EQ(tuned.Ease, standard.Ease) << chart << " " << preset.id;
            EXPECT_EQ(tuned.Finger, standard.Finger) << chart << " " << preset.id;
            EXPECT_EQ(tuned.Playable, standard.Playable) << chart << " " << preset.id;
        }
    }
}

bool Finds(const SearchRequest& request, const char* chart) {
    const SearchResult result = FindFingerings(request);
    return std::any_of(result.candidates.begin(), result.candidates.end(), [&](const Fingering& c) {
        return ShapeNotesToFrets(c, request.strings).Fret == Frets(chart);
    });
}

// A search of the frets from position + 1 up; the guitarist order lets the treble strings rest.
SearchRequest Search(int root, int type, int position, const OpenStrings& strings,
                     CreateOrder order = CreateOrder::Classic) {
    const bool guitarist = order == CreateOrder::Guitarist;
    return {root, type, position, kMaxFrets, false, order, guitarist, BassChoice::Root, strings};
}

TEST(TunedCreation, SearchesTheSoundingPitches) {
    constexpr CreateOrder kGuitarist = CreateOrder::Guitarist;
    const struct {
        const char* what;
        SearchRequest request;
        const char* chart;
        bool found = true;
    } cases[] = {
        {"Drop D: F5 with one finger on the three low strings",
         Search(kF, kPerfectFifth, 0, Strings("drop-d"), kGuitarist), "333xxx"},
        {"Drop D: the open D major", Search(kD, kMajor, 0, Strings("drop-d")), "000232"},
        {"capo 2: the G shape sounds A", Search(kA, kMajor, 0, Strings("standard", 2)), "320003"},
        {"Open G: the open strings", Search(kG, kMajor, 0, Strings("open-g")), "000000"},
        {"Open E: the one-finger barre", Search(kA, kMajor, 4, Strings("open-e")), "555555"},
        {"Open C: not the standard shape", Search(kC, kMajor, 0, Strings("open-c")), "x32010",
         false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Finds(c.request, c.chart), c.found) << c.what;
    }
}

}  // namespace
}  // namespace fretwise::test
