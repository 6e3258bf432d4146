#include "cli/commands/shape_text.hpp"

#include <algorithm>

namespace fretwise::cli {

std::string GuitaristShape(const PerString& frets) {
    const bool twoDigits = std::any_of(frets.begin(), frets.end(), [](int f) { return f > 9; });
    std::string text;
    for (int s = kStringCount - 1; s >= 0; --s) {
        if (twoDigits && !text.empty()) {
            text += ' ';
        }
        text += frets[s] == kMuted ? std::string("x") : std::to_string(frets[s]);
    }
    return text;
}

}  // namespace fretwise::cli
