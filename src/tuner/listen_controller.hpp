#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "tuner/audio_input.hpp"
#include "tuner/pitch_tracker.hpp"
#include "tuner/tuned_note.hpp"

namespace fretwise {

constexpr std::string_view kNoMicrophone = "No microphone found";
// A string within this many cents of its note is in tune (shown green).
constexpr double kInTuneCents = 3.0;
// The needle's scale runs from -kNeedleCents to +kNeedleCents.
constexpr double kNeedleCents = 50.0;

// What the listening part of the tuner shows.
struct ListenView {
    bool listening = false;
    bool noMicrophone = false;      // shows kNoMicrophone
    std::optional<TunedNote> note;  // none while no pitch is heard
    double needle = 0.0;            // the cents, held within the scale
    bool inTune = false;

    bool operator==(const ListenView&) const = default;
};

// The tuner listening to the default input, free of any toolkit: the "Listen" toggle, the
// mode ("Strings" or "Chromatic") and the reference A, and what the window shows of the
// pitch heard.
class ListenController {
  public:
    explicit ListenController(AudioInput& input);
    ~ListenController();
    ListenController(const ListenController&) = delete;
    ListenController& operator=(const ListenController&) = delete;

    // Called whenever the view changes.
    void OnChange(std::function<void()> changed) { changed_ = std::move(changed); }

    // Starting without an input leaves listening off and shows kNoMicrophone.
    void SetListening(bool on);
    void SetMode(TunerMode mode);
    // Kept within kLowestReferenceA to kHighestReferenceA.
    void SetReferenceA(double hz);
    // The open strings of the tuning in force.
    void SetStrings(const StringPitches& strings);

    TunerMode Mode() const { return mode_; }
    double ReferenceA() const { return referenceA_; }
    const ListenView& View() const { return view_; }

  private:
    void Hear(std::span<const float> samples);
    void Lose();
    void Show();

    AudioInput& input_;
    std::unique_ptr<PitchTracker> tracker_;
    TunerMode mode_ = TunerMode::Strings;
    double referenceA_ = kDefaultReferenceA;
    StringPitches strings_ = kStandardStrings;
    bool noMicrophone_ = false;
    ListenView view_;
    std::function<void()> changed_;
};

}  // namespace fretwise
