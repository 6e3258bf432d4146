#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/create/order_names.hpp"
#include "core/music/tuning.hpp"
#include "core/music/vocabulary.hpp"
#include "core/storage/setting_key.hpp"
#include "core/storage/whole_number.hpp"
#include "tuner/tuned_note.hpp"
#include "window/song_state.hpp"
#include "window/zoom_steps.hpp"

namespace fretwise {

// The window's settings on keyed lines of "Settings.ini", one entry each.
constexpr SettingKey<CreateOrder> kChordOrderKey{
    "ChordOrder", CreateOrder::Classic, CreateOrderNamed,
    [](CreateOrder order) { return std::string(CreateOrderName(order)); }};
constexpr SettingKey<bool> kRestTrebleKey = TruthKey("RestTreble");
constexpr SettingKey<bool> kLeftHandedKey = TruthKey("LeftHanded");
constexpr SettingKey<bool> kWholeNeckKey = TruthKey("WholeNeck");
// One of the zoom steps, in percent.
constexpr SettingKey<int> kZoomKey{"Zoom", kStandardZoom,
                                   [](std::string_view text) -> std::optional<int> {
                                       const std::optional<int> percent = ReadWholeNumber(text);
                                       return percent && IsZoomStep(*percent) ? percent
                                                                              : std::nullopt;
                                   },
                                   [](int percent) { return std::to_string(percent); }};
// The tuner's reference A in whole hertz, and its mode by name.
constexpr SettingKey<int> kReferenceAKey =
    WholeKey<static_cast<int>(kLowestReferenceA), static_cast<int>(kHighestReferenceA)>(
        "ReferenceA", static_cast<int>(kDefaultReferenceA));
constexpr SettingKey<TunerMode> kTunerModeKey{
    "TunerMode", TunerMode::Strings, TunerModeNamed,
    [](TunerMode mode) { return std::string(TunerModeName(mode)); }};
// A named tuning by its id ("drop-d"), any other as six notes low string first.
constexpr SettingKey<Tuning> kTuningKey{
    "Tuning", Tuning{}, [](std::string_view text) { return ReadTuning(text).tuning; },
    [](Tuning tuning) {
        const TuningPreset* preset = PresetOf(tuning);
        return preset != nullptr ? std::string(preset->id)
                                 : TuningText(tuning, Accidentals::Sharps);
    }};
constexpr SettingKey<int> kCapoKey = WholeKey<0, kMaxCapo>("Capo", 0);
// The chord names: "classic" or "full".
constexpr SettingKey<Vocabulary> kVocabularyKey{
    "Vocabulary", Vocabulary::Classic, VocabularyNamed,
    [](Vocabulary vocabulary) { return std::string(VocabularyName(vocabulary)); }};
// The songs opened lately, latest first, one path a line; no line for an empty place.
inline SettingKey<std::string> RecentSongKey(std::string_view name) {
    return {name, "",
            [](std::string_view text) -> std::optional<std::string> { return std::string(text); },
            [](std::string value) { return value; }};
}
inline const std::array<SettingKey<std::string>, kRecentSongCount> kRecentSongKeys = {
    RecentSongKey("RecentSong1"), RecentSongKey("RecentSong2"), RecentSongKey("RecentSong3"),
    RecentSongKey("RecentSong4")};

}  // namespace fretwise
