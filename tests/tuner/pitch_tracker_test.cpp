#include "tuner/pitch_tracker.hpp"

#include <gtest/gtest.h>

#include "support/tones.hpp"
#include "tuner/pitch_frames.hpp"
#include "tuner/tuned_note.hpp"

namespace fretwise::test {
namespace {

constexpr int kRates[] = {8000, 16000, 22050, 44100, 48000};
// Standard tuning, low E string first, and the low D of Drop D.
constexpr int kStrings[] = {40, 45, 50, 55, 59, 64, 38};

// The cents between the truth and the median reading of a whole recording.
std::optional<double> MedianError(const std::vector<float>& sound, int rate, double truth) {
    const std::vector<PitchFrame> frames = PitchFrames({rate, sound});
    const std::optional<double> median = MedianFrequency(frames);
    return median ? std::optional(CentsFrom(truth, *median)) : std::nullopt;
}

// Feeds the sound in 10 ms blocks, as a microphone delivers it, and returns the time of the
// first block after which the tracker holds a pitch, with that pitch.
std::optional<std::pair<double, double>> FirstPitch(PitchTracker& tracker,
                                                    const std::vector<float>& sound) {
    const std::size_t block = std::size_t(tracker.SampleRate() / 100);
    for (std::size_t at = 0; at < sound.size(); at += block) {
        tracker.Feed(std::span(sound).subspan(at, std::min(block, sound.size() - at)));
        if (const std::optional<PitchReading> reading = tracker.Current()) {
            return std::pair(double(at + block) / tracker.SampleRate(), reading->frequency);
        }
    }
    return std::nullopt;
}

TEST(PitchTrackerTest, PluckedStringsAreReadWithinACentWithoutOctaveErrors) {
    for (const int rate : kRates) {
        // At 8 kHz a high E period spans only 24 samples.
        const double tolerance = rate == 8000 ? 2.0 : 1.0;
        for (const int note : kStrings) {
            for (int cents = -40; cents <= 40; cents += 20) {
                const double truth = NoteHz(note, cents);
                const auto error = MedianError(
                    PluckedString(truth, rate, 0.6, unsigned(note + cents)), rate, truth);
                ASSERT_TRUE(error)
                    << rate << " Hz " << SoundingPitch{note}.ScientificName(Accidentals::Sharps)
                    << " " << cents;
                EXPECT_NEAR(*error, 0.0, tolerance)
                    << rate << " Hz " << SoundingPitch{note}.ScientificName(Accidentals::Sharps)
                    << " " << cents;
            }
        }
    }
}

TEST(PitchTrackerTest, SinesAcrossTheGuitarsRange) {
    for (const int rate : kRates) {
        for (const double hz : {65.0, 82.41, 440.0, 1046.5, 1318.5}) {
            // With fewer than 30 samples a period the reading is only the right note.
            const double tolerance = rate / hz >= 30.0 ? 1.0 : 25.0;
            const auto error = MedianError(Sine(hz, rate, 0.5), rate, hz);
            ASSERT_TRUE(error) << rate << " Hz " << hz;
            EXPECT_NEAR(*error, 0.0, tolerance) << rate << " Hz " << hz;
        }
    }
}

TEST(PitchTrackerTest, TheFirstReadingComesWithin150MsOfThePluck) {
    for (const int rate : kRates) {
        for (const int note : kStrings) {
            std::vector<float> sound(std::size_t(rate * 0.3));  // silence before the pluck
            const std::vector<float> pluck = PluckedString(NoteHz(note), rate, 0.5);
            sound.insert(sound.end(), pluck.begin(), pluck.end());
            PitchTracker tracker(rate);
            const auto first = FirstPitch(tracker, sound);
            ASSERT_TRUE(first) << rate << " " << note;
            EXPECT_LE(first->first - 0.3, 0.150) << rate << " " << note;
            EXPECT_NEAR(CentsFrom(NoteHz(note), first->second), 0.0, 10.0) << rate << " " << note;
        }
    }
}

TEST(PitchTrackerTest, SilenceNoiseAndSoundsBelowTheGateGiveNoPitch) {
    const std::pair<const char*, std::vector<float>> cases[] = {
        {"silence", std::vector<float>(48000)},
        {"loud noise", WhiteNoise(48000, 0.9, 1)},
        {"noise", WhiteNoise(48000, 0.05, 2)},
        {"a string at -63 dB", Sine(NoteHz(45), 48000, 1.0, 0.001)},
    };
    for (const auto& [name, sound] : cases) {
        PitchTracker tracker(48000);
        EXPECT_FALSE(FirstPitch(tracker, sound)) << name;
    }
}

TEST(PitchTrackerTest, ThePitchEndsSoonAfterTheSoundAndOnReset) {
    const int rate = 44100;
    std::vector<float> sound = PluckedString(NoteHz(50), rate, 0.5);
    PitchTracker tracker(rate);
    tracker.Feed(sound);
    ASSERT_TRUE(tracker.Current());
    // Four hops of silence (the first may still hold the tail of the sound) leave fewer
    // clear readings than a pitch needs.
    tracker.Feed(std::vector<float>(std::size_t(tracker.HopSize() * 4)));
    EXPECT_FALSE(tracker.Current());

    tracker.Feed(sound);
    tracker.Reset();
    EXPECT_FALSE(tracker.Current());
}

}  // namespace
}  // namespace fretwise::test
