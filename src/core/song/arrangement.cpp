#include "core/song/arrangement.hpp"

#include <algorithm>

#include "core/song/chord_name.hpp"

namespace fretwise {

namespace {

namespace names = directive_names;

bool IsGuitarDirective(const SongLine& line, std::string_view name) {
    return line.kind == LineKind::Directive && line.forGuitar && line.directive->name == name;
}

// Collects the chords of a song in order, with their first appearance.
class ChordCollector {
  public:
    explicit ChordCollector(ArrangedSong& song) : song_(song) {}

    void Play(std::string shape, std::string sounding) {
        const auto found = std::find_if(song_.chords.begin(), song_.chords.end(),
                                        [&](const PlayedChord& c) { return c.shape == shape; });
        const std::size_t index = static_cast<std::size_t>(found - song_.chords.begin());
        if (found == song_.chords.end()) {
            song_.chords.push_back({std::move(shape), std::move(sounding), std::nullopt});
        }
        song_.sequence.push_back(index);
    }

  private:
    ArrangedSong& song_;
};

}  // namespace

int CapoOf(const Song& song, const SongSetting& setting) {
    return setting.capo.value_or(song.info.capo);
}

int LineShift(const Song& song, const SongLine& line, const SongSetting& setting) {
    return line.transpose + setting.transpose + song.info.capo - CapoOf(song, setting);
}

std::optional<std::string> KeyInForce(const SongFile& file, const Song& song, std::size_t line) {
    std::optional<std::string> key;
    for (std::size_t k = song.first; k < line && k < song.end; ++k) {
        if (IsGuitarDirective(file.lines[k], names::kKey) &&
            !file.lines[k].directive->value.empty()) {
            key = file.lines[k].directive->value;
        }
    }
    if (!key && !song.info.key.empty()) {
        key = song.info.key;
    }
    return key;
}

ArrangedSong Arrange(const SongFile& file, std::size_t songIndex, const SongSetting& setting) {
    const Song& song = file.songs.at(songIndex);
    ArrangedSong arranged;
    arranged.capo = CapoOf(song, setting);
    if (song.info.keyLine) {
        const SongLine& keyLine = file.lines[*song.info.keyLine];
        const int shift = LineShift(song, keyLine, setting);
        arranged.key = TransposedChordText(song.info.key, shift, song.info.key);
        arranged.keyHeard =
            TransposedChordText(song.info.key, shift + arranged.capo, song.info.key);
    }

    ChordCollector collector(arranged);
    std::optional<std::string> key =
        song.info.key.empty() ? std::nullopt : std::optional<std::string>(song.info.key);
    std::vector<std::pair<std::string, std::string>> chorus;  // the last chorus's chords
    std::vector<std::pair<std::string, std::string>> inChorus;
    bool readingChorus = false;
    std::vector<std::pair<std::string, ChordDefinition>> definitions;
    for (std::size_t k = song.first; k < song.end; ++k) {
        const SongLine& line = file.lines[k];
        const int shift = LineShift(song, line, setting);
        if (line.kind == LineKind::Directive) {
            const Directive& directive = *line.directive;
            if (SectionStarted(directive) == names::kChorusSection && line.forGuitar) {
                readingChorus = true;
                inChorus.clear();
            } else if (SectionEnded(directive) == names::kChorusSection && readingChorus) {
                readingChorus = false;
                chorus = inChorus;
            } else if (!line.forGuitar) {
                continue;
            } else if (directive.name == names::kKey && !directive.value.empty()) {
                key = directive.value;
            } else if (directive.name == names::kChorus) {
                for (const auto& [shape, sounding] : chorus) {
                    collector.Play(shape, sounding);
                }
            } else if (directive.name == names::kDefine || directive.name == names::kChord) {
                if (std::optional<ChordDefinition> definition =
                        ReadChordDefinition(directive.value)) {
                    definition->name = TransposedChordText(definition->name, shift, key);
                    if (definition->frets && shift != 0) {
                        definition->frets = MovedShape(*definition->frets, shift);
                    }
                    definitions.emplace_back(definition->name, *definition);
                }
            }
            continue;
        }
        if (!line.forGuitar) {
            continue;
        }
        for (const ChordSpot& spot : line.spots) {
            if (spot.kind != SpotKind::Chord) {
                continue;
            }
            std::string shape = TransposedChordText(line.Spot(spot), shift, key);
            std::string sounding = TransposedChordText(line.Spot(spot), shift + arranged.capo, key);
            if (readingChorus) {
                inChorus.emplace_back(shape, sounding);
            }
            collector.Play(std::move(shape), std::move(sounding));
        }
    }

    // A definition with a shape fixes its chord; the first one of a name counts.
    for (PlayedChord& chord : arranged.chords) {
        for (const auto& [name, definition] : definitions) {
            if (name == chord.shape && definition.frets) {
                chord.defined = definition;
                break;
            }
        }
    }
    return arranged;
}

}  // namespace fretwise
