#pragma once

#include <algorithm>
#include <array>

namespace fretwise {

// The sizes the window can be shown at, in percent of the desktop's own scale (which Qt
// already applies to every logical pixel): 100 % is the window as designed.
inline constexpr std::array<int, 4> kZoomSteps = {100, 125, 150, 200};
inline constexpr int kStandardZoom = 100;

constexpr bool IsZoomStep(int percent) {
    return std::find(kZoomSteps.begin(), kZoomSteps.end(), percent) != kZoomSteps.end();
}

}  // namespace fretwise
