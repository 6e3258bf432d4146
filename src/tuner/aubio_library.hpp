#pragma once

#include <aubio/aubio.h>

namespace fretwise {

// The functions of aubio the pitch tracker calls. The library is loaded at the first pitch
// detector, not at start-up: it and the codecs it brings would take a good part of the
// program's start, which needs none of them.
struct AubioLibrary {
    decltype(&new_aubio_pitch) newPitch;
    decltype(&aubio_pitch_set_unit) pitchSetUnit;
    decltype(&aubio_pitch_do) pitchDo;
    decltype(&aubio_pitch_get_confidence) pitchConfidence;
    decltype(&del_aubio_pitch) deletePitch;
    decltype(&new_aubio_filter_biquad) newBiquad;
    decltype(&aubio_filter_do) filterDo;
    decltype(&del_aubio_filter) deleteFilter;
    decltype(&new_fvec) newVector;
    decltype(&del_fvec) deleteVector;
};

// The library, loaded once; throws std::runtime_error when it cannot be loaded.
const AubioLibrary& Aubio();

}  // namespace fretwise
