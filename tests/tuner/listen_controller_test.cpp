#include "tuner/listen_controller.hpp"

#include <gtest/gtest.h>

#include "support/fake_audio.hpp"
#include "support/tones.hpp"

namespace fretwise::test {
namespace {

// A view without a note.
ListenView Silent(bool listening, bool noMicrophone) {
    ListenView view;
    view.listening = listening;
    view.noMicrophone = noMicrophone;
    return view;
}

class ListenControllerTest : public ::testing::Test {
  protected:
    FakeAudioInput input;
    ListenController listen{input};
    int changes = 0;

    void SetUp() override {
        listen.OnChange([this] { ++changes; });
    }
};

TEST_F(ListenControllerTest, WithoutAUsableInputItSaysNoMicrophoneFound) {
    for (const std::optional<int> rate : {std::optional<int>(), std::optional(4000)}) {
        input.rate = rate;
        changes = 0;
        listen.SetListening(true);
        EXPECT_EQ(listen.View(), Silent(false, true));
        EXPECT_FALSE(input.Running());
        EXPECT_EQ(changes, rate ? 0 : 1);  // the second try shows what the first showed
    }
    input.rate = 44100;
    listen.SetListening(true);
    EXPECT_EQ(listen.View(), Silent(true, false));
    input.Lose();  // unplugged while listening
    EXPECT_EQ(listen.View(), Silent(false, true));
}

TEST_F(ListenControllerTest, ShowsTheNoteTheNeedleAndWhetherItIsInTune) {
    struct Case {
        double hz;
        TunerMode mode;
        double referenceA;
        int note;
        std::optional<int> string;
        double needle;
        bool inTune;
    };
    const Case cases[] = {
        {NoteHz(45, 10), TunerMode::Strings, 440, 45, 4, 10, false},
        {NoteHz(40, -2), TunerMode::Strings, 440, 40, 5, -2, true},
        {NoteHz(64, 3.5), TunerMode::Strings, 440, 64, 0, 3.5, false},
        {NoteHz(46), TunerMode::Strings, 440, 45, 4, 50, false},  // held at the scale's end
        {NoteHz(46), TunerMode::Chromatic, 440, 46, std::nullopt, 0, true},
        {NoteHz(45), TunerMode::Strings, 430, 45, 4, 39.8, false},
    };
    for (const auto& [hz, mode, referenceA, note, string, needle, inTune] : cases) {
        listen.SetMode(mode);
        listen.SetReferenceA(referenceA);
        listen.SetListening(true);
        input.Play(PluckedString(hz, 48000, 0.4));
        const ListenView& view = listen.View();
        ASSERT_TRUE(view.note) << hz;
        EXPECT_EQ(view.note->note.midi, note) << hz;
        EXPECT_EQ(view.note->string, string) << hz;
        EXPECT_NEAR(view.needle, needle, 0.5) << hz;
        EXPECT_EQ(view.inTune, inTune) << hz;
        listen.SetListening(false);
        EXPECT_EQ(listen.View(), ListenView{});
    }
    EXPECT_GT(changes, 0);
}

TEST_F(ListenControllerTest, StopsTheInputWhenTurnedOffOrDestroyed) {
    {
        ListenController other(input);
        other.SetListening(true);
        ASSERT_TRUE(input.Running());
    }
    EXPECT_EQ(input.stops, 1);
    listen.SetReferenceA(500);
    EXPECT_EQ(listen.ReferenceA(), kHighestReferenceA);
}

}  // namespace
}  // namespace fretwise::test
