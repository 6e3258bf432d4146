#include "core/song/song_writer.hpp"

#include <algorithm>

#include "core/song/chord_name.hpp"

namespace fretwise {

namespace {

namespace names = directive_names;

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kNewLine = "\n";

bool Is(const SongLine& line, std::string_view name) {
    return line.kind == LineKind::Directive && line.forGuitar && line.directive->name == name;
}

// The directive's line with its value replaced.
std::string WithValue(const SongLine& line, std::string_view value) {
    const std::string& old = line.directive->value;
    const std::size_t brace = line.text.rfind('}');
    const std::size_t at = old.empty() ? std::string::npos : line.text.rfind(old, brace);
    if (at == std::string::npos) {
        return "{" + line.directive->name + ": " + std::string(value) + "}";
    }
    return line.text.substr(0, at) + std::string(value) + line.text.substr(at + old.size());
}

// The line with each chord moved; annotations and other bracketed text stay.
std::string WithMovedChords(const SongLine& line, int shift,
                            const std::optional<std::string>& key) {
    std::string text = line.text;
    for (auto spot = line.spots.rbegin(); spot != line.spots.rend(); ++spot) {
        if (spot->kind == SpotKind::Chord) {
            text.replace(spot->begin, spot->size,
                         TransposedChordText(line.Spot(*spot), shift, key));
        }
    }
    return text;
}

class SongPrinter {
  public:
    void Line(std::string text, std::string_view ending) {
        if (!lines_.empty() && lines_.back().second.empty()) {
            lines_.back().second = kNewLine;
        }
        lines_.emplace_back(std::move(text), std::string(ending));
    }

    // A reader takes a byte order mark at the start of a file as the file's own, so a line
    // that starts with one of its own and comes first (after a removed {transpose} line, or
    // as the first line of a later song) gets the file's mark before it, or it would lose
    // its own and could turn into a comment.
    std::string Text(bool byteOrderMark) const {
        const bool firstLineStartsWithMark =
            !lines_.empty() && lines_.front().first.starts_with(kByteOrderMark);
        std::string text(byteOrderMark || firstLineStartsWithMark ? kByteOrderMark : "");
        for (const auto& [line, ending] : lines_) {
            text += line;
            text += ending;
        }
        return text;
    }

  private:
    std::vector<std::pair<std::string, std::string>> lines_;
};

}  // namespace

std::string RewrittenSong(const SongFile& file, std::size_t songIndex, const SongRewrite& rewrite) {
    const Song& song = file.songs.at(songIndex);
    const int capo = CapoOf(song, rewrite.setting);
    const std::string_view ending = song.first < song.end && !file.lines[song.first].ending.empty()
                                        ? std::string_view(file.lines[song.first].ending)
                                        : kNewLine;

    // The definitions kept as written, and whether the song has a {capo} line to change.
    std::vector<std::string> keptNames;
    bool hasCapoLine = false;
    for (std::size_t k = song.first; k < song.end; ++k) {
        const SongLine& line = file.lines[k];
        hasCapoLine = hasCapoLine || Is(line, names::kCapo);
        if (Is(line, names::kDefine) && LineShift(song, line, rewrite.setting) == 0) {
            const std::optional<ChordDefinition> definition =
                ReadChordDefinition(line.directive->value);
            if (definition && definition->frets) {
                keptNames.push_back(definition->name);
            }
        }
    }

    SongPrinter out;
    const auto writeHead = [&] {
        if (!hasCapoLine && capo != 0) {
            out.Line("{capo: " + std::to_string(capo) + "}", ending);
        }
        for (const ShapeToDefine& shape : rewrite.defines) {
            if (std::find(keptNames.begin(), keptNames.end(), shape.name) == keptNames.end()) {
                out.Line(DefineText(shape.name, shape.frets, shape.fingers), ending);
            }
        }
    };
    std::optional<std::string> key;
    if (!song.info.key.empty()) {
        key = song.info.key;
    }
    for (std::size_t k = song.first; k < song.end; ++k) {
        if (k == song.head) {
            writeHead();
        }
        const SongLine& line = file.lines[k];
        const int shift = LineShift(song, line, rewrite.setting);
        if (Is(line, names::kKey) && !line.directive->value.empty()) {
            key = line.directive->value;
        }
        if (Is(line, names::kTranspose) || (Is(line, names::kCapo) && capo == 0) ||
            (Is(line, names::kDefine) && shift != 0)) {
            continue;
        }
        if (Is(line, names::kCapo) && capo != song.info.capo) {
            out.Line(WithValue(line, std::to_string(capo)), line.ending);
        } else if (Is(line, names::kKey) && shift != 0) {
            const std::string& value = line.directive->value;
            out.Line(WithValue(line, TransposedChordText(value, shift, value)), line.ending);
        } else if (Is(line, names::kChord) && shift != 0) {
            const std::optional<ChordDefinition> shown = ReadChordDefinition(line.directive->value);
            const std::string name = shown ? TransposedChordText(shown->name, shift, key) : "";
            out.Line("{chord: " + name + "}", line.ending);
        } else if (!line.spots.empty() && shift != 0) {
            out.Line(WithMovedChords(line, shift, key), line.ending);
        } else {
            out.Line(line.text, line.ending);
        }
    }
    if (song.head >= song.end) {
        writeHead();
    }
    return out.Text(songIndex == 0 && file.byteOrderMark);
}

}  // namespace fretwise
