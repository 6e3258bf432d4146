#include <cstdlib>
#include <fstream>

#include "core/music/tuning.hpp"
#include "core/song/chord_name.hpp"
#include "core/song/song.hpp"
#include "core/song/song_text.hpp"
#include "core/storage/whole_number.hpp"

namespace fretwise {

namespace {

namespace names = directive_names;

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kCannotRead = "the file cannot be read";

// A number as songs write it: an optional plus sign, then a whole number.
std::optional<int> WholeNumber(std::string_view text) {
    if (text.starts_with('+')) {
        text.remove_prefix(1);
    }
    return ReadWholeNumber(text);
}

SpotKind KindOfName(std::string_view name) {
    return ReadChordName(name) ? SpotKind::Chord : SpotKind::Text;
}

// The chords in brackets: "[*" starts an annotation; an unclosed bracket is text.
std::vector<ChordSpot> BracketSpots(std::string_view text) {
    std::vector<ChordSpot> spots;
    std::size_t open = text.find('[');
    while (open != std::string_view::npos) {
        const std::size_t close = text.find(']', open + 1);
        if (close == std::string_view::npos) {
            break;
        }
        std::size_t begin = open + 1;
        SpotKind kind = SpotKind::Text;
        if (begin < close && text[begin] == '*') {
            ++begin;
            kind = SpotKind::Annotation;
        } else {
            kind = KindOfName(text.substr(begin, close - begin));
        }
        if (close > open + 1) {
            spots.push_back({begin, close - begin, kind});
        }
        open = text.find('[', close + 1);
    }
    return spots;
}

// The cells of a grid line between its first and last bar line; "C~G" holds two chords.
std::vector<ChordSpot> GridSpots(std::string_view text) {
    std::vector<ChordSpot> spots;
    const std::size_t firstBar = text.find('|');
    const std::size_t lastBar = text.rfind('|');
    if (firstBar == std::string_view::npos || firstBar == lastBar) {
        return spots;
    }
    std::size_t k = firstBar;
    while (k < lastBar) {
        const bool separator = text[k] == ' ' || text[k] == '\t' || text[k] == '~';
        if (separator) {
            ++k;
            continue;
        }
        std::size_t end = k;
        while (end < lastBar && text[end] != ' ' && text[end] != '\t' && text[end] != '~') {
            ++end;
        }
        const std::string_view cell = text.substr(k, end - k);
        if (cell.find('|') == std::string_view::npos && KindOfName(cell) == SpotKind::Chord) {
            spots.push_back({k, end - k, SpotKind::Chord});
        }
        k = end;
    }
    return spots;
}

// Reads the lines of a file into songs, one pass.
class SongParser {
  public:
    explicit SongParser(SongFile& file) : file_(file) { StartSong(0); }

    void Read(std::size_t index) {
        SongLine& line = file_.lines[index];
        std::optional<Directive> directive = ReadDirective(line.text);
        if (!verbatim_.empty()) {
            ReadVerbatim(line, directive);
        } else if (directive) {
            line.kind = LineKind::Directive;
            ReadDirectiveLine(index, line, *directive);
            line.directive = std::move(directive);
        } else if (line.text.starts_with('#')) {
            line.kind = LineKind::Comment;
        } else {
            line.kind = LineKind::Lyrics;
            line.spots = BracketSpots(line.text);
            EndHead(index, !Trimmed(line.text).empty());
        }
        line.forGuitar = line.forGuitar && sectionForGuitar_;
        line.transpose = Amount();
    }

    void Finish() {
        EndHead(file_.lines.size(), true);
        file_.songs.back().end = file_.lines.size();
    }

  private:
    Song& CurrentSong() { return file_.songs.back(); }

    void StartSong(std::size_t index) {
        if (!file_.songs.empty()) {
            EndHead(index, true);
            CurrentSong().end = index;
        }
        Song& song = file_.songs.emplace_back();
        song.first = song.head = index;
        transposes_.clear();
        inHead_ = true;
        verbatim_.clear();
        sectionForGuitar_ = true;
    }

    int Amount() const {
        int sum = 0;
        for (const int amount : transposes_) {
            sum += amount;
        }
        return sum;
    }

    // The song's leading directives end at the first line with words or a section: they
    // take the transposition in force there.
    void EndHead(std::size_t index, bool ends) {
        if (!inHead_ || !ends) {
            return;
        }
        inHead_ = false;
        const int amount = Amount();
        for (std::size_t k = CurrentSong().first; k < index; ++k) {
            SongLine& line = file_.lines[k];
            if (line.kind == LineKind::Directive) {
                CurrentSong().head = k + 1;
                line.transpose =
                    line.directive->name == names::kTranspose ? line.transpose : amount;
            }
        }
    }

    void Note(std::size_t index, const std::string& what) {
        file_.notes.push_back("line " + std::to_string(index + 1) + ": " + what);
    }

    void ReadVerbatim(SongLine& line, std::optional<Directive>& directive) {
        if (directive && SectionEnded(*directive) == verbatim_) {
            line.kind = LineKind::Directive;
            line.directive = std::move(directive);
            verbatim_.clear();
            line.forGuitar = sectionForGuitar_;
            sectionForGuitar_ = true;
            return;
        }
        line.kind = verbatim_ == names::kGridSection ? LineKind::Grid : LineKind::Tab;
        if (line.kind == LineKind::Grid) {
            line.spots = GridSpots(line.text);
        }
    }

    void ReadDirectiveLine(std::size_t index, SongLine& line, const Directive& directive) {
        if (directive.name == names::kNewSong && index > CurrentSong().first) {
            StartSong(index);
        }
        const bool applies = directive.AppliesToGuitar() && sectionForGuitar_;
        line.forGuitar = applies;
        if (const std::string_view started = SectionStarted(directive); !started.empty()) {
            EndHead(index, true);
            sectionForGuitar_ = applies;
            if (started == names::kTabSection || started == names::kGridSection) {
                verbatim_ = started;
            }
            return;
        }
        if (!SectionEnded(directive).empty()) {
            line.forGuitar = sectionForGuitar_;
            sectionForGuitar_ = true;
            return;
        }
        if (directive.name == names::kChorus) {
            EndHead(index, true);
        }
        if (applies) {
            Apply(index, directive);
        }
    }

    void Apply(std::size_t index, const Directive& directive) {
        if (directive.name == names::kTranspose) {
            ApplyTranspose(index, directive);
        } else if (directive.name == names::kMeta) {
            const std::string_view value = directive.value;
            const std::size_t space = value.find_first_of(" \t");
            Directive meta;
            meta.name = LongDirectiveName(value.substr(0, space));
            meta.value = space == std::string_view::npos ? "" : Trimmed(value.substr(space));
            ApplyInfo(index, meta);
        } else {
            ApplyInfo(index, directive);
        }
    }

    void ApplyTranspose(std::size_t index, const Directive& directive) {
        if (directive.value.empty()) {
            if (!transposes_.empty()) {
                transposes_.pop_back();
            }
            return;
        }
        const std::optional<int> amount = WholeNumber(directive.value);
        if (!amount || std::abs(*amount) > kTransposeLimit) {
            Note(index, "{transpose: " + directive.value + "} needs a number of semitones from -" +
                            std::to_string(kTransposeLimit) + " to " +
                            std::to_string(kTransposeLimit));
            return;
        }
        transposes_.push_back(*amount);
    }

    void ApplyInfo(std::size_t index, const Directive& directive) {
        SongInfo& info = CurrentSong().info;
        const std::string& name = directive.name;
        const std::string& value = directive.value;
        const auto setOnce = [&](std::string& field) {
            if (field.empty()) {
                field = value;
            }
        };
        if (name == names::kTitle) {
            setOnce(info.title);
        } else if (name == names::kSubtitle && !value.empty()) {
            info.subtitles.push_back(value);
        } else if (name == names::kArtist) {
            setOnce(info.artist);
        } else if (name == names::kComposer) {
            setOnce(info.composer);
        } else if (name == names::kTime) {
            setOnce(info.time);
        } else if (name == names::kKey && info.key.empty() && !value.empty()) {
            info.key = value;
            info.keyLine = index;
        } else if (name == names::kCapo) {
            const std::optional<int> capo = WholeNumber(value);
            if (capo && *capo >= 0 && *capo <= kMaxCapo) {
                info.capo = *capo;
            } else {
                Note(index, "{capo: " + value + "} is no capo from 0 to " +
                                std::to_string(kMaxCapo) + "; the song is read without one");
            }
        } else if (name == names::kTempo) {
            const std::optional<int> tempo = WholeNumber(value);
            if (tempo && *tempo > 0) {
                info.tempo = *tempo;
            }
        }
    }

    SongFile& file_;
    std::vector<int> transposes_;
    bool inHead_ = true;
    std::string verbatim_;
    bool sectionForGuitar_ = true;
};

}  // namespace

SongReading ReadSongText(std::string_view bytes) {
    if (const std::optional<std::string> problem = SongTextProblem(bytes)) {
        return {std::nullopt, *problem};
    }
    SongFile file;
    file.byteOrderMark = bytes.starts_with(kByteOrderMark);
    if (file.byteOrderMark) {
        bytes.remove_prefix(kByteOrderMark.size());
    }
    for (TextLine& line : SplitLines(bytes)) {
        SongLine& songLine = file.lines.emplace_back();
        songLine.text = std::move(line.text);
        songLine.ending = std::move(line.ending);
    }
    SongParser parser(file);
    for (std::size_t k = 0; k < file.lines.size(); ++k) {
        parser.Read(k);
    }
    parser.Finish();
    return {std::move(file), ""};
}

SongReading ReadSongFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::error_code error;
    if (!in || std::filesystem::is_directory(path, error)) {
        return {std::nullopt, std::string(kCannotRead)};
    }
    return ReadSongStream(in);
}

SongReading ReadSongStream(std::istream& in) {
    // One byte more than a song may have tells a file that is too large.
    std::string bytes(kMaxSongBytes + 1, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad()) {
        return {std::nullopt, std::string(kCannotRead)};
    }
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return ReadSongText(bytes);
}

std::string SongFileText(const SongFile& file) {
    std::string text(file.byteOrderMark ? kByteOrderMark : "");
    for (const SongLine& line : file.lines) {
        text += line.text;
        text += line.ending;
    }
    return text;
}

}  // namespace fretwise
