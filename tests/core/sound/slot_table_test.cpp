#include "core/sound/slot_table.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <ctime>
#include <tuple>

#include "core/sound/system_clock.hpp"
#include "support/fakes.hpp"
#include "support/scoped_env.hpp"

namespace fretwise::test {
namespace {

TEST(SlotTable, ReservesEachSlotForSixSeconds) {
    FakeClock clock;
    SlotTable slots;
    clock.now = 1000;
    EXPECT_EQ(slots.Reserve(clock), 0);
    EXPECT_EQ(slots.SlotBusyUntil(0), 1006.0f);
    clock.now = 1003;
    EXPECT_EQ(slots.Reserve(clock), 1);
    clock.now = 1006;  // slot 0 is busy up to and including its time
    EXPECT_EQ(slots.Reserve(clock), 2);
    clock.now = 1006.5;
    EXPECT_EQ(slots.Reserve(clock), 0);
    EXPECT_EQ(slots.Reserve(clock), 3);
}

TEST(SlotTable, FullTableWaitsForTheOldestReservation) {
    FakeClock clock;
    SlotTable slots;
    for (int i = 0; i < SlotTable::kSlotCount; ++i) {
        clock.now = 100 + i * 0.1;
        EXPECT_EQ(slots.Reserve(clock), i);
    }
    clock.now = 104;
    clock.stepPerRead = 0.001;
    EXPECT_EQ(slots.Reserve(clock), 0);
    EXPECT_GT(clock.now, 106.0);
    EXPECT_LT(clock.now, 106.1);
}

TEST(SlotTable, ReservationRunsOnPastMidnight) {
    FakeClock clock;
    SlotTable slots;
    clock.now = 86398;
    EXPECT_EQ(slots.Reserve(clock), 0);
    EXPECT_EQ(slots.SlotBusyUntil(0), 4.0f);
    // Slot 0 stays reserved until 00:00:04; each check below reserves the next free slot.
    const std::tuple<double, int> cases[] = {{86399.5, 1}, {2.0, 2}, {4.5, 0}};
    for (const auto& [now, slot] : cases) {
        clock.now = now;
        EXPECT_EQ(slots.Reserve(clock), slot) << "at " << now;
    }
}

TEST(SlotTable, ReservationsOfAnEarlierDayDoNotBlock) {
    FakeClock clock;
    SlotTable slots;
    clock.now = 86399.9;  // free at start, even just before midnight
    EXPECT_EQ(slots.Reserve(clock), 0);
    clock.now = 50;  // the next day, earlier in the day than the old reservation
    EXPECT_EQ(slots.Reserve(clock), 0);
}

// With the time zone set, the time of day follows from the seconds since the epoch (which
// count no leap seconds). Of two zones 12 hours apart, at least one is past hour 0.
TEST(SystemClock, TellsTheLocalTimeOfDay) {
    for (const auto& [zone, offset] : {std::pair{"UTC0", 0}, std::pair{"UTC-12", 12 * 3600}}) {
        const ScopedEnv tz("TZ", zone);
        ::tzset();
        const double expected = std::fmod(static_cast<double>(std::time(nullptr) + offset), 86400);
        const double apart = SystemClock().SecondsAfterMidnight() - expected;
        EXPECT_LT(std::abs(std::remainder(apart, 86400.0)), 2.0) << zone;
    }
    ::tzset();
}

}  // namespace
}  // namespace fretwise::test
