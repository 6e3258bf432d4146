#include "core/sound/system_clock.hpp"

#include <chrono>
#include <ctime>

namespace fretwise {

double SystemClock::SecondsAfterMidnight() const {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t whole = system_clock::to_time_t(now);
    std::tm local{};
    if (::localtime_r(&whole, &local) == nullptr) {
        return 0.0;
    }
    const double fraction = duration<double>(now - system_clock::from_time_t(whole)).count();
    return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + fraction;
}

}  // namespace fretwise
