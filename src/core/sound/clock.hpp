#pragma once

namespace fretwise {

// The time of day, for the reservation of the temporary sound files.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual double SecondsAfterMidnight() const = 0;
};

}  // namespace fretwise
