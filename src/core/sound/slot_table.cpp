#include "core/sound/slot_table.hpp"

namespace fretwise {

namespace {

// A reservation stored as a time of day is judged by how long it still has to run, counted
// forward around midnight. Only a remainder within the reservation's own length means busy:
// a slot reserved just before midnight stays busy after its time wrapped to a small value,
// and a reservation left from an earlier day never blocks the slot. The half second covers
// the single-precision rounding of the times.
bool IsBusy(const std::optional<float>& busyUntil, float now) {
    if (!busyUntil) {
        return false;
    }
    double remaining = static_cast<double>(*busyUntil) - static_cast<double>(now);
    if (remaining < 0.0) {
        remaining += SlotTable::kSecondsPerDay;
    }
    return remaining <= SlotTable::kReserveSeconds + 0.5;
}

}  // namespace

int SlotTable::Reserve(const Clock& clock) {
    for (;;) {
        for (int slot = 0; slot < kSlotCount; ++slot) {
            const auto now = static_cast<float>(clock.SecondsAfterMidnight());
            if (IsBusy(busyUntil_[slot], now)) {
                continue;
            }
            float until = now + kReserveSeconds;
            if (until > kSecondsPerDay) {
                until -= kSecondsPerDay;
            }
            busyUntil_[slot] = until;
            return slot;
        }
    }
}

}  // namespace fretwise
