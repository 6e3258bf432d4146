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

TEST_F(TunerControllerTest, StringsTunedAwayFromStandardSoundTheirSynthesisedNote) {
    tuner.UseTuning(*ReadTuning("drop-d").tuning);
    clock.now += 10;
    tuner.PlayOnce(5);
    EXPECT_TRUE(LastPlayedNoteIs(-7));
    player.calls.clear();
    clock.now += 10;
    tuner.ToggleLoop(5);
    EXPECT_TRUE(Holds(dir / "chord0.wav", RenderNoteWav(-7)));
    EXPECT_EQ(player.calls, (Log{"stop", "loop chord0.wav"}));
    EXPECT_EQ(On(), std::vector<int>{5});
    player.calls.clear();
    tuner.ToggleLoop(4);  // the A string keeps its recorded tone
    EXPECT_EQ(player.calls, (Log{"stop", "loop a.wav"}));
}

// The six string buttons sound their open strings; the note button adds the chosen note's
// offset, twelve times the octave, and twelve (note and octave as list positions: "A" and "0"
// are 3 and 2).
TEST_F(TunerControllerTest, EachPlayButtonStopsThenPlaysItsNoteOnce) {
    constexpr int kNote = TunerController::kPlayNoteButton;
    const std::tuple<int, int, int, double> cases[] = {
        {0, 3, 2, 19},       {1, 3, 2, 14},     {2, 3, 2, 10},     {3, 3, 2, 5},
        {4, 3, 2, 0},        {5, 3, 2, -5},     {kNote, 3, 2, 12}, {kNote, 2, 3, 1},
        {kNote, 11, 4, -20}, {kNote, 0, 0, 39}, {kNote, 8, 1, 19},
    };
    for (const auto& [button, note, octave, number] : cases) {
        tuner.SelectNote(note);
        tuner.SelectOctave(octave);
        player.calls.clear();
        clock.now += 10;  // slot 0 is free again, so the sound lands in chord0.wav
        tuner.PlayOnce(button);
        EXPECT_TRUE(LastPlayedNoteIs(number))
            << button << ": " << kTunerNotes[note].name << kTunerOctaves[octave];
        EXPECT_EQ(player.calls, (Log{"stop", "once chord0.wav"}));
    }
}

TEST_F(TunerControllerTest, EachToggleLoopsItsRecordedTone) {
    const char* files[] = {"e-h.wav", "b.wav", "g.wav", "d.wav", "a.wav", "e-l.wav", "a-c.wav"};
    for (int i = 0; i < TunerController::kButtonCount; ++i) {
        player.calls.clear();
        tuner.ToggleLoop(i);
        EXPECT_EQ(player.calls, (Log{"stop", std::string("loop ") + files[i]})) << i;
        EXPECT_EQ(On(), std::vector<int>{i});
        tuner.ToggleLoop(i);
    }
}

// Presses in turn ("loop N", "once N", "band N" and "band -" or "octave -" for no
// selection) and what the player is asked to do; every press stops the sound first.
TEST_F(TunerControllerTest, PressesStopTheSoundAndKeepAtMostOneLoopOn) {
    const std::tuple<std::vector<std::string>, Log, std::vector<int>> cases[] = {
        {{"band 1", "loop 6", "band 2", "loop 6"}, {"stop", "loop bb-c.wav", "stop"}, {}},
        {{"loop 6", "band 2", "loop 6", "loop 6"},
         {"stop", "loop a-c.wav", "stop", "stop", "loop c-c.wav"},
         {6}},
        {{"loop 0", "loop 5"}, {"stop", "loop e-h.wav", "stop", "loop e-l.wav"}, {5}},
        {{"loop 5", "loop 5"}, {"stop", "loop e-l.wav", "stop"}, {}},
        {{"loop 6", "once 1"}, {"stop", "loop a-c.wav", "stop", "once chord0.wav"}, {}},
        {{"loop 2", "octave -", "once 6"}, {"stop", "loop g.wav", "stop"}, {}},
        {{"band -", "loop 6"}, {"stop"}, {6}},  // no tone, but the toggle shows stop
        {{"loop 7", "once -1"}, {}, {}},
    };
    for (const auto& [presses, calls, on] : cases) {
        SetUp();
        player.calls.clear();
        for (const std::string& press : presses) {
            const std::string what = press.substr(0, press.find(' '));
            const std::string arg = press.substr(press.find(' ') + 1);
            const std::optional<int> n =
                arg == "-" ? std::nullopt : std::optional<int>(std::stoi(arg));
            if (what == "loop") {
                tuner.ToggleLoop(*n);
            } else if (what == "once") {
                tuner.PlayOnce(*n);
            } else if (what == "band") {
                tuner.SelectBand(n);
            } else {
                tuner.SelectOctave(n);
            }
        }
        EXPECT_EQ(player.calls, calls) << ::testing::PrintToString(presses);
        EXPECT_EQ(On(), on) << ::testing::PrintToString(presses);
        for (int on : on) {
            tuner.ToggleLoop(on);
        }
    }
}

TEST_F(TunerControllerTest, AMissingToneIsSilentButTheToggleShowsStop) {
    fs::remove(dir / "WAVs" / "g.wav");
    tuner.ToggleLoop(2);
    EXPECT_EQ(player.calls, Log{"stop"});
    EXPECT_EQ(On(), std::vector<int>{2});
}

TEST_F(TunerControllerTest, SelectionsOutsideTheListsAreIgnored) {
    tuner.SelectNote(12);
    tuner.SelectOctave(-1);
    tuner.SelectBand(3);
    EXPECT_EQ(tuner.SelectedNote(), std::nullopt);
    EXPECT_EQ(tuner.SelectedOctave(), std::nullopt);
    EXPECT_EQ(tuner.SelectedBand(), std::nullopt);
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
    const std::pair<const char*, double> cases[] = {
        {"+2", 2.0}, {"+1", 1.0}, {"0", 0.0}, {"-1", -1.0}, {"-2", -2.0}, {"", 0.0}, {"x", 0.0}};
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(OctaveValue(text), value) << text;
    }
}

}  // namespace
}  // namespace fretwise::test
