#include "tuner/listen_controller.hpp"

#include <algorithm>
#include <cmath>

namespace fretwise {

ListenController::ListenController(AudioInput& input) : input_(input) {}

ListenController::~ListenController() {
    if (tracker_) {
        input_.Stop();
    }
}

void ListenController::SetListening(bool on) {
    if (on == (tracker_ != nullptr)) {
        return;
    }
    if (!on) {
        input_.Stop();
        tracker_.reset();
        Show();
        return;
    }
    const std::optional<int> rate =
        input_.Start([this](std::span<const float> samples) { Hear(samples); }, [this] { Lose(); });
    if (!rate || !PitchTracker::IsSupportedRate(*rate)) {
        Lose();
        return;
    }
    tracker_ = std::make_unique<PitchTracker>(*rate);
    noMicrophone_ = false;
    Show();
}

void ListenController::Lose() {
    input_.Stop();
    tracker_.reset();
    noMicrophone_ = true;
    Show();
}

void ListenController::SetMode(TunerMode mode) {
    mode_ = mode;
    Show();
}

void ListenController::SetReferenceA(double hz) {
    referenceA_ = std::clamp(hz, kLowestReferenceA, kHighestReferenceA);
    Show();
}

void ListenController::SetStrings(const StringPitches& strings) {
    strings_ = strings;
    Show();
}

void ListenController::Hear(std::span<const float> samples) {
    if (tracker_) {
        tracker_->Feed(samples);
        Show();
    }
}

void ListenController::Show() {
    ListenView view;
    view.listening = tracker_ != nullptr;
    view.noMicrophone = noMicrophone_;
    if (const std::optional<PitchReading> reading = tracker_ ? tracker_->Current() : std::nullopt) {
        view.note = NameFrequency(reading->frequency, referenceA_, mode_, strings_);
        view.needle = std::clamp(view.note->cents, -kNeedleCents, kNeedleCents);
        view.inTune = std::abs(view.note->cents) <= kInTuneCents;
    }
    if (view != view_) {
        view_ = view;
        if (changed_) {
            changed_();
        }
    }
}

}  // namespace fretwise
