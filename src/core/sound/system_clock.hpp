#pragma once

#include "core/sound/clock.hpp"

namespace fretwise {

// The local time of day from the system clock.
class SystemClock final : public Clock {
  public:
    double SecondsAfterMidnight() const override;
};

}  // namespace fretwise
