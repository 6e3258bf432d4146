#include "cli/commands/offers.hpp"

#include <algorithm>
#include <sstream>

#include "core/create/order_names.hpp"
#include "core/music/chord_types.hpp"
#include "core/music/pitch.hpp"
#include "core/music/tuning.hpp"

namespace fretwise::cli {

namespace {

void AddOnce(std::vector<std::string>& words, const std::string& word) {
    if (std::find(words.begin(), words.end(), word) == words.end()) {
        words.push_back(word);
    }
}

}  // namespace

Offer WordsOffer(const std::string& list, std::vector<std::string> words) {
    return {Offer::Kind::Words, list, std::move(words)};
}

Offer FilesOffer(std::initializer_list<const char*> extensions) {
    return {Offer::Kind::Files, {}, {extensions.begin(), extensions.end()}};
}

Offer RootOffer() {
    std::vector<std::string> names;
    for (const Accidentals mode : {Accidentals::Sharps, Accidentals::Flats}) {
        for (int pitch = 1; pitch <= 12; ++pitch) {
            AddOnce(names, std::string(NoteName(pitch, mode)));
        }
    }
    return WordsOffer("roots", std::move(names));
}

Offer TypeWordOffer() {
    std::vector<std::string> words;
    for (int type = 0; type < kChordTypeCount; ++type) {
        std::istringstream name{std::string(ChordTypeName(type))};
        for (std::string word; name >> word;) {
            AddOnce(words, word);
        }
    }
    return WordsOffer("types", std::move(words));
}

Offer TuningOffer() {
    std::vector<std::string> ids;
    for (const TuningPreset& preset : TuningPresets()) {
        ids.emplace_back(preset.id);
    }
    return WordsOffer("tunings", std::move(ids));
}

Offer CapoOffer() {
    std::vector<std::string> frets;
    for (int fret = 0; fret <= kMaxCapo; ++fret) {
        frets.push_back(std::to_string(fret));
    }
    return WordsOffer("capos", std::move(frets));
}

Offer OrderOffer() {
    return WordsOffer("orders", {std::string(CreateOrderName(CreateOrder::Classic)),
                                 std::string(CreateOrderName(CreateOrder::Guitarist))});
}

Offer BassOffer() {
    return WordsOffer("basses", {std::string(kRootBassName), std::string(kAnyBassName)});
}

}  // namespace fretwise::cli
