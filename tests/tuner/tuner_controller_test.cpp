#include "tuner/tuner_controller.hpp"

#include <gtest/gtest.h>

#include "support/tuner_sandbox.hpp"

namespace fretwise::test {
namespace {

namespace fs = std::filesystem;
using Log = std::vector<std::string>;

class TunerControllerTest : public ::testing::Test, public TunerSandbox {
  protected:
    TunerController tuner{engine, dir / "WAVs"};

    void SetUp() override { tuner.Load(); }

    // The toggles that are on.
    std::vector<int> On() const {
        std::vector<int> on;
        for (int i = 0; i < TunerController::kButtonCount; ++i) {
            if (tuner.LoopOn(i)) {
                on.push_back(i);
            }
        }
        return on;
    }
};

TEST_F(TunerControllerTest, LoadSelectsConcertAAndTheA440Note) {
    EXPECT_EQ(tuner.SelectedBand(), 0);
    EXPECT_EQ(tuner.SelectedNote(), 3);
    EXPECT_EQ(tuner.SelectedOctave(), 2);
    EXPECT_EQ(tuner.ChosenNoteNumber(), 12.0);
    EXPECT_TRUE(On().empty());
}

TEST_F(TunerControllerTest, EachStringButtonStopsThenPlaysItsOpenStringOnce) {
    const int expected[] = {19, 14, 10, 5, 0, -5};
    for (int i = 0; i < TunerController::kStringCount; ++i) {
        player.calls.clear();
        clock.now += 10;  // slot 0 is free again, so the sound lands in chord0.wav
        tuner.PlayOnce(i);
        EXPECT_TRUE(LastPlayedNoteIs(double(expected[i]))) << i;
        EXPECT_EQ(player.calls, (Log{"stop", "once chord0.wav"})) << i;
    }
}

TEST_F(TunerControllerTest, PlayANoteAddsOffsetPlusTwelveTimesOctavePlusTwelve) {
    struct Case {
        std::string_view note;
        std::string_view octave;
        double number;
    };
    const Case cases[] = {
        {"A", "0", 12}, {"Bb", "-1", 1}, {"Db", "-2", -20}, {"C", "+2", 39}, {"E", "+1", 19},
    };
    for (const Case& c : cases) {
        int note = 0;
        while (kTunerNotes[note].name != c.note) {
            ++note;
        }
        int octave = 0;
        while (kTunerOctaves[octave] != c.octave) {
            ++octave;
        }
        tuner.SelectNote(note);
        tuner.SelectOctave(octave);
        player.calls.clear();
        clock.now += 10;
        tuner.PlayOnce(TunerController::kPlayNoteButton);
        EXPECT_TRUE(LastPlayedNoteIs(c.number)) << c.note << c.octave;
        EXPECT_EQ(player.calls, (Log{"stop", "once chord0.wav"}));
    }
}

TEST_F(TunerControllerTest, PlayANoteWithoutSelectionOnlyStops) {
    tuner.ToggleLoop(2);
    tuner.SelectOctave(std::nullopt);
    player.calls.clear();
    tuner.PlayOnce(TunerController::kPlayNoteButton);
    EXPECT_EQ(player.calls, Log{"stop"});
    EXPECT_TRUE(On().empty());
}

TEST_F(TunerControllerTest, EachToggleLoopsItsRecordedTone) {
    const Log expected[] = {{"stop", "loop e-h.wav"}, {"stop", "loop b.wav"},
                            {"stop", "loop g.wav"},   {"stop", "loop d.wav"},
                            {"stop", "loop a.wav"},   {"stop", "loop e-l.wav"},
                            {"stop", "loop a-c.wav"}};
    for (int i = 0; i < TunerController::kButtonCount; ++i) {
        player.calls.clear();
        tuner.ToggleLoop(i);
        EXPECT_EQ(player.calls, expected[i]) << i;
        EXPECT_EQ(On(), std::vector<int>{i});
        tuner.ToggleLoop(i);
    }
}

TEST_F(TunerControllerTest, BandToggleFollowsTheChosenConcertPitch) {
    const std::string_view expected[] = {"loop a-c.wav", "loop bb-c.wav", "loop c-c.wav"};
    for (int band = 0; band < 3; ++band) {
        tuner.SelectBand(band);
        player.calls.clear();
        tuner.ToggleLoop(TunerController::kBandToggle);
        EXPECT_EQ(player.calls, (Log{"stop", std::string(expected[band])}));
        tuner.ToggleLoop(TunerController::kBandToggle);
    }
}

TEST_F(TunerControllerTest, SameToggleTwiceStartsThenStops) {
    tuner.ToggleLoop(4);
    EXPECT_EQ(On(), std::vector<int>{4});
    player.calls.clear();
    tuner.ToggleLoop(4);
    EXPECT_EQ(player.calls, Log{"stop"});
    EXPECT_TRUE(On().empty());
}

TEST_F(TunerControllerTest, SecondToggleSwitchesTheFirstOff) {
    tuner.ToggleLoop(0);
    player.calls.clear();
    tuner.ToggleLoop(5);
    EXPECT_EQ(player.calls, (Log{"stop", "loop e-l.wav"}));
    EXPECT_EQ(On(), std::vector<int>{5});
}

TEST_F(TunerControllerTest, PlayOnceWhileLoopingStopsTheLoopAndResetsItsToggle) {
    tuner.ToggleLoop(TunerController::kBandToggle);
    player.calls.clear();
    tuner.PlayOnce(1);
    EXPECT_EQ(player.calls, (Log{"stop", "once chord0.wav"}));
    EXPECT_TRUE(LastPlayedNoteIs(14));
    EXPECT_TRUE(On().empty());
}

TEST_F(TunerControllerTest, ChangingTheBandWhileLoopingWaitsForTheNextPress) {
    tuner.ToggleLoop(TunerController::kBandToggle);
    player.calls.clear();
    tuner.SelectBand(2);
    EXPECT_TRUE(player.calls.empty());
    EXPECT_EQ(On(), std::vector<int>{TunerController::kBandToggle});
    tuner.ToggleLoop(TunerController::kBandToggle);
    EXPECT_EQ(player.calls, Log{"stop"});
    EXPECT_TRUE(On().empty());
    tuner.ToggleLoop(TunerController::kBandToggle);
    EXPECT_EQ(player.calls, (Log{"stop", "stop", "loop c-c.wav"}));
}

TEST_F(TunerControllerTest, MissingToneOrNoBandIsSilentButTheToggleShowsStop) {
    fs::remove(dir / "WAVs" / "g.wav");
    tuner.ToggleLoop(2);
    EXPECT_EQ(player.calls, Log{"stop"});
    EXPECT_EQ(On(), std::vector<int>{2});

    tuner.SelectBand(std::nullopt);
    player.calls.clear();
    tuner.ToggleLoop(TunerController::kBandToggle);
    EXPECT_EQ(player.calls, Log{"stop"});
    EXPECT_EQ(On(), std::vector<int>{TunerController::kBandToggle});
}

TEST_F(TunerControllerTest, OutOfRangeInputIsIgnored) {
    tuner.SelectNote(12);
    tuner.SelectOctave(-1);
    tuner.SelectBand(3);
    EXPECT_EQ(tuner.SelectedNote(), std::nullopt);
    EXPECT_EQ(tuner.SelectedOctave(), std::nullopt);
    EXPECT_EQ(tuner.SelectedBand(), std::nullopt);
    tuner.ToggleLoop(7);
    tuner.PlayOnce(-1);
    EXPECT_TRUE(player.calls.empty());
    EXPECT_FALSE(tuner.LoopOn(7));
}

#ifdef FRETWISE_TONES_DIR
TEST(TunerTonesTest, EveryToggleLoopsAToneTheBuildGenerates) {
    FakePlayer player;
    FakeClock clock;
    SoundEngine engine{player, clock, fs::temp_directory_path()};
    TunerController tuner{engine, FRETWISE_TONES_DIR};
    tuner.Load();
    for (int band = 0; band < 3; ++band) {
        tuner.SelectBand(band);
        for (int i = band == 0 ? 0 : TunerController::kBandToggle;
             i < TunerController::kButtonCount; ++i) {
            player.calls.clear();
            tuner.ToggleLoop(i);
            ASSERT_EQ(player.calls.size(), 2u) << i << " band " << band;
            tuner.ToggleLoop(i);
        }
    }
}
#endif

TEST(OctaveValueTest, ReadsSignedWholeNumbers) {
    EXPECT_EQ(OctaveValue("+2"), 2.0);
    EXPECT_EQ(OctaveValue("+1"), 1.0);
    EXPECT_EQ(OctaveValue("0"), 0.0);
    EXPECT_EQ(OctaveValue("-1"), -1.0);
    EXPECT_EQ(OctaveValue("-2"), -2.0);
    EXPECT_EQ(OctaveValue(""), 0.0);
    EXPECT_EQ(OctaveValue("x"), 0.0);
}

}  // namespace
}  // namespace fretwise::test
