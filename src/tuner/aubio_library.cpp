#include "tuner/aubio_library.hpp"

#include <dlfcn.h>

#include <stdexcept>
#include <string>

namespace fretwise {

namespace {

constexpr const char* kLibraryNames[] = {"libaubio.so.5", "libaubio.so"};

template <typename Function>
void Bind(void* library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(dlsym(library, name));
    if (function == nullptr) {
        throw std::runtime_error(std::string("aubio lacks ") + name);
    }
}

AubioLibrary Load() {
    void* library = nullptr;
    for (const char* name : kLibraryNames) {
        library = library != nullptr ? library : dlopen(name, RTLD_NOW | RTLD_LOCAL);
    }
    if (library == nullptr) {
        throw std::runtime_error("aubio cannot be loaded");
    }
    AubioLibrary aubio{};
    Bind(library, "new_aubio_pitch", aubio.newPitch);
    Bind(library, "aubio_pitch_set_unit", aubio.pitchSetUnit);
    Bind(library, "aubio_pitch_do", aubio.pitchDo);
    Bind(library, "aubio_pitch_get_confidence", aubio.pitchConfidence);
    Bind(library, "del_aubio_pitch", aubio.deletePitch);
    Bind(library, "new_aubio_filter_biquad", aubio.newBiquad);
    Bind(library, "aubio_filter_do", aubio.filterDo);
    Bind(library, "del_aubio_filter", aubio.deleteFilter);
    Bind(library, "new_fvec", aubio.newVector);
    Bind(library, "del_fvec", aubio.deleteVector);
    return aubio;
}

}  // namespace

const AubioLibrary& Aubio() {
    static const AubioLibrary aubio = Load();
    return aubio;
}

}  // namespace fretwise
