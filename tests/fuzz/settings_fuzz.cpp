// libFuzzer target: any bytes as "Settings.ini". The reader must never crash, must report a
// consistent stopping line, and settings it reads wholly must come back through the writer.
#include <cstdint>
#include <sstream>
#include <string>

#include "core/storage/chord_file.hpp"
#include "core/storage/settings_file.hpp"
#include "fuzz_check.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace fretwise;
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    const SettingsRead read = ReadSettings(in);

    Check(read.linesRead >= 0 && read.linesRead <= kSettingsLineCount);
    Check(read.Complete() == (read.failure == ReadFailure::None));
    Check(read.FailedLine() == (read.Complete() ? 0 : read.linesRead + 1));
    Check(read.settings.numFrets >= kMinFrets && read.settings.numFrets <= kMaxFrets);
    // Lines not read keep the first-start defaults.
    const Settings defaults;
    if (!read.Has(kLineNeckPosition)) {
        Check(read.settings.neckPosition == defaults.neckPosition);
    }
    if (!read.Has(kLineTypeIndex)) {
        Check(read.settings.typeIndex == defaults.typeIndex);
    }

    std::istringstream again(SettingsText(read.settings));
    const SettingsRead reread = ReadSettings(again);
    Check(reread.Complete() && reread.settings == read.settings);
    return 0;
}
