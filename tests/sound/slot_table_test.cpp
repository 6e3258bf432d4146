#include "sound/slot_table.hpp"

#include <gtest/gtest.h>

#include "support/fakes.hpp"

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
    struct Case {
        double now;
        int slot;
    };
    // Slot 0 stays reserved until 00:00:04; each check below reserves the next free slot.
    const Case cases[] = {{86399.5, 1}, {2.0, 2}, {4.5, 0}};
    for (const Case& c : cases) {
        clock.now = c.now;
        EXPECT_EQ(slots.Reserve(clock), c.slot) << "at " << c.now;
    }
}

TEST(SlotTable, ReservationFromAnEarlierDayDoesNotBlock) {
    FakeClock clock;
    SlotTable slots;
    clock.now = 80000;
    EXPECT_EQ(slots.Reserve(clock), 0);
    clock.now = 50;  // the next day, earlier in the day than the old reservation
    EXPECT_EQ(slots.Reserve(clock), 0);
}

TEST(SlotTable, SlotsAreFreeAtStartEvenJustBeforeMidnight) {
    FakeClock clock;
    SlotTable slots;
    clock.now = 86399.9;
    EXPECT_EQ(slots.Reserve(clock), 0);
}

}  // namespace
}  // namespace fretwise::test
