#include "core/song/shown_lines.hpp"

#include "core/song/chord_name.hpp"
#include "core/song/song_text.hpp"

namespace fretwise {

namespace {

namespace names = directive_names;

std::vector<ChordOverWords> Pieces(const SongLine& line, int shift,
                                   const std::optional<std::string>& key) {
    std::vector<ChordOverWords> pieces;
    std::size_t at = 0;  // where the words not yet shown start
    const auto words = [&](std::size_t end) {
        return ShowableUtf8(line.text.substr(at, end - at));
    };
    for (const ChordSpot& spot : line.spots) {
        // The brackets around the name: "[" before it (and "*" for an annotation), "]" after.
        const std::size_t open = spot.begin - (spot.kind == SpotKind::Annotation ? 2 : 1);
        if (pieces.empty()) {
            if (open > 0) {
                pieces.push_back({"", words(open), false});
            }
        } else {
            pieces.back().words = words(open);
        }
        const std::string name(line.Spot(spot));
        pieces.push_back({spot.kind == SpotKind::Chord ? TransposedChordText(name, shift, key)
                                                       : ShowableUtf8(name),
                          "", spot.kind == SpotKind::Annotation});
        at = spot.begin + spot.size + 1;
    }
    if (pieces.empty()) {
        pieces.push_back({"", words(line.text.size()), false});
    } else {
        pieces.back().words = words(line.text.size());
    }
    return pieces;
}

std::string MovedGrid(const SongLine& line, int shift, const std::optional<std::string>& key) {
    std::string text = line.text;
    for (auto spot = line.spots.rbegin(); spot != line.spots.rend(); ++spot) {
        text.replace(spot->begin, spot->size, TransposedChordText(line.Spot(*spot), shift, key));
    }
    return ShowableUtf8(text);
}

// The line a directive shows, if any.
std::optional<ShownLine> DirectiveLine(const Directive& directive, bool inChorus) {
    const std::string text = ShowableUtf8(directive.value);
    if (directive.name == names::kComment || directive.name == names::kHighlight) {
        return ShownLine{ShownKind::Comment, {}, text, inChorus};
    }
    if (directive.name == names::kCommentItalic) {
        return ShownLine{ShownKind::CommentItalic, {}, text, inChorus};
    }
    if (directive.name == names::kCommentBox) {
        return ShownLine{ShownKind::CommentBox, {}, text, inChorus};
    }
    if (directive.name == names::kChorus) {
        return ShownLine{
            ShownKind::Label, {}, text.empty() ? std::string(kChorusLabel) : text, false};
    }
    if (!SectionStarted(directive).empty() && !text.empty()) {
        return ShownLine{ShownKind::Label, {}, text, inChorus};
    }
    return std::nullopt;
}

}  // namespace

std::vector<ShownLine> ShownLines(const SongFile& file, std::size_t songIndex,
                                  const SongSetting& setting) {
    const Song& song = file.songs.at(songIndex);
    std::vector<ShownLine> shown;
    std::optional<std::string> key;
    if (!song.info.key.empty()) {
        key = song.info.key;
    }
    bool inChorus = false;
    for (std::size_t k = song.first; k < song.end; ++k) {
        const SongLine& line = file.lines[k];
        if (!line.forGuitar) {
            continue;
        }
        const int shift = LineShift(song, line, setting);
        switch (line.kind) {
            case LineKind::Directive: {
                const Directive& directive = *line.directive;
                if (SectionStarted(directive) == names::kChorusSection) {
                    inChorus = true;
                } else if (SectionEnded(directive) == names::kChorusSection) {
                    inChorus = false;
                } else if (directive.name == names::kKey && !directive.value.empty()) {
                    key = directive.value;
                }
                if (std::optional<ShownLine> directiveLine = DirectiveLine(directive, inChorus)) {
                    shown.push_back(std::move(*directiveLine));
                }
                break;
            }
            case LineKind::Comment:
                break;
            case LineKind::Tab:
                shown.push_back({ShownKind::Tab, {}, ShowableUtf8(line.text), inChorus});
                break;
            case LineKind::Grid:
                shown.push_back({ShownKind::Grid, {}, MovedGrid(line, shift, key), inChorus});
                break;
            case LineKind::Lyrics:
                if (Trimmed(line.text).empty()) {
                    shown.push_back({ShownKind::Blank, {}, "", inChorus});
                } else {
                    shown.push_back({ShownKind::Lyrics, Pieces(line, shift, key), "", inChorus});
                }
                break;
        }
    }
    return shown;
}

}  // namespace fretwise
