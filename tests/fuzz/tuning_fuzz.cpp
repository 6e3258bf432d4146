// libFuzzer target: any text as a tuning (--tuning, the "Tuning" setting) and as a scientific
// pitch name. A tuning the reader accepts keeps every string within its range and its notes
// read back as the same tuning; a refusal says why. A pitch name read back from its own
// spelling is the same pitch.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/music/sounding_pitch.hpp"
#include "core/music/tuning.hpp"
#include "fuzz_check.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace fretwise;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const TuningReading read = ReadTuning(text);
    Check(read.tuning.has_value() == read.error.empty());
    if (read.tuning) {
        for (const std::int16_t offset : read.tuning->offsets) {
            Check(offset >= kLowestTuningOffset && offset <= kHighestTuningOffset);
        }
        for (const Accidentals mode : {Accidentals::Sharps, Accidentals::Flats}) {
            const TuningReading again = ReadTuning(TuningText(*read.tuning, mode));
            Check(again.tuning == read.tuning);
        }
        const TuningPreset* preset = PresetOf(*read.tuning);
        Check(!preset || ReadTuning(preset->id).tuning == read.tuning);
    }

    if (const std::optional<SoundingPitch> pitch = ReadScientificName(text)) {
        for (const Accidentals mode : {Accidentals::Sharps, Accidentals::Flats}) {
            Check(ReadScientificName(pitch->ScientificName(mode)) == pitch || pitch->Octave() < 0 ||
                  pitch->Octave() > 9);
        }
    }
    return 0;
}
