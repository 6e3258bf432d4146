#pragma once

#include <functional>
#include <optional>
#include <span>

namespace fretwise {

// The default sound input, behind an interface so the tuner's listening is tested with
// sound made up by the tests.
class AudioInput {
  public:
    // Receives mono samples from -1 to 1 as they arrive.
    using Sink = std::function<void(std::span<const float> samples)>;

    virtual ~AudioInput() = default;
    // Starts delivering sound to hear, and calls lost if the input fails later. Returns the
    // sample rate, or nullopt when there is no input device, it is denied, or it refuses
    // every format the tuner can take.
    virtual std::optional<int> Start(Sink hear, std::function<void()> lost) = 0;
    virtual void Stop() = 0;
};

}  // namespace fretwise
