#pragma once

#include <array>
#include <optional>

#include "core/sound/clock.hpp"

namespace fretwise {

// The 33 temporary sound files, each reserved for 6 s when a sound is written into it, so a
// file is never rewritten while the player may still be reading it (the longest sound lasts
// 2.75 s).
class SlotTable {
  public:
    static constexpr int kSlotCount = 33;
    static constexpr float kReserveSeconds = 6.0f;
    static constexpr float kSecondsPerDay = 86400.0f;

    // Reserves the first free slot, scanning again from slot 0 until one is free (at most
    // the 6 s of the oldest reservation). The clock is read anew for every slot looked at.
    int Reserve(const Clock& clock);

    // Time of day until which the slot is reserved, wrapped past midnight; empty for a
    // slot never used.
    std::optional<float> SlotBusyUntil(int slot) const { return busyUntil_.at(slot); }

  private:
    std::array<std::optional<float>, kSlotCount> busyUntil_{};
};

}  // namespace fretwise
