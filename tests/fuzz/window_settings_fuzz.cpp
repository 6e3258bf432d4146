// libFuzzer target: any bytes as "Settings.ini" at start-up, applied as the window applies
// them, the first-start fallback after the first value refused. Whatever state that gives,
// keyed settings included, is one the window can keep: the file it writes at closing reads
// back whole, starts the next run without a refusal and is written again byte for byte.
#include <cstdint>
#include <sstream>
#include <string>

#include "fuzz_check.hpp"
#include "window/window_settings.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace fretwise;
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    WindowState state;
    if (!ApplySettings(state, ReadSettings(in))) {
        StartWithDefaults(state);
    }
    Check(IsZoomStep(state.zoomPercent));
    Check(IsReferenceA(state.listen.referenceA));
    Check(state.strings.capo >= 0 && state.strings.capo <= kMaxCapo);

    const std::string written = SettingsText(SettingsOf(state));
    std::istringstream again(written);
    const SettingsRead reread = ReadSettings(again);
    Check(reread.Complete());
    WindowState next;
    Check(ApplySettings(next, reread));
    Check(SettingsText(SettingsOf(next)) == written);
    return 0;
}
