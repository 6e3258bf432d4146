#pragma once

#include <cstdint>

namespace fretwise {

// The fretboard shows 5 to 20 frets, all 20 unless the user asks for fewer. Eight of them are
// in view at a time; the neck scrolls over the rest.
constexpr std::int16_t kMinFrets = 5;
constexpr std::int16_t kMaxFrets = 20;
constexpr int kFretsInView = 8;

// The fretboard is laid out for 5 to 20 frets only.
constexpr std::int16_t ClampFrets(int numFrets) {
    return static_cast<std::int16_t>(numFrets < kMinFrets   ? kMinFrets
                                     : numFrets > kMaxFrets ? kMaxFrets
                                                            : numFrets);
}

}  // namespace fretwise
