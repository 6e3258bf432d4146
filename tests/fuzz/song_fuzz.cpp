// libFuzzer target: any bytes as a ChordPro song. The reader must never crash; a file it
// accepts comes back byte for byte, every song of it written back as played reads back with
// the same chords, and a song moved up and back down plays the same notes.
#include <cstdint>
#include <string>

#include "core/song/arrangement.hpp"
#include "core/song/chord_name.hpp"
#include "core/song/song.hpp"
#include "core/song/song_text.hpp"
#include "core/song/song_writer.hpp"
#include "fuzz_check.hpp"

namespace {

using namespace fretwise;

std::vector<std::string> Played(const SongFile& file, std::size_t song,
                                const SongSetting& setting) {
    const ArrangedSong arranged = Arrange(file, song, setting);
    std::vector<std::string> names;
    for (const std::size_t k : arranged.sequence) {
        names.push_back(arranged.chords[k].shape);
    }
    return names;
}

// The notes a name plays: root and bass as pitch classes, the rest as written, without the
// parentheses a moved name puts around a suffix that starts with a sharp or flat.
std::string Notes(const std::string& name) {
    const std::optional<WrittenChord> chord = ReadChordName(name);
    Check(chord.has_value());
    std::string suffix = chord->suffix;
    if (suffix.size() > 2 && suffix.front() == '(' && suffix.back() == ')' &&
        std::string("#b\xE2").find(suffix[1]) != std::string::npos) {
        suffix = suffix.substr(1, suffix.size() - 2);
    }
    return std::to_string(PitchClass(chord->root)) + suffix + "/" +
           std::to_string(chord->bass ? PitchClass(*chord->bass) : -1);
}

// The song written back as played with the setting, read again.
std::optional<SongFile> Rewritten(const SongFile& file, std::size_t song, int transpose) {
    const std::string text = RewrittenSong(file, song, {{transpose, std::nullopt}, {}});
    if (text.size() > kMaxSongBytes) {
        return std::nullopt;
    }
    SongReading again = ReadSongText(text);
    Check(again.file.has_value());
    return std::move(*again.file);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const SongReading reading = ReadSongText(bytes);
    Check(reading.file.has_value() != !reading.error.empty());
    if (!reading.file) {
        return 0;
    }
    const SongFile& file = *reading.file;
    Check(SongFileText(file) == bytes);
    Check(!file.songs.empty() && file.songs.back().end == file.lines.size());

    const int semitones = size == 0 ? 5 : 1 + data[0] % 11;
    for (std::size_t song = 0; song < file.songs.size(); ++song) {
        const std::vector<std::string> played = Played(file, song, {});
        const std::optional<SongFile> again = Rewritten(file, song, 0);
        if (again) {
            Check(again->songs.size() == 1);
            Check(Played(*again, 0, {}) == played);
        }
        const std::optional<SongFile> up = Rewritten(file, song, semitones);
        const std::optional<SongFile> back = up ? Rewritten(*up, 0, -semitones) : std::nullopt;
        if (back) {
            const std::vector<std::string> returned = Played(*back, 0, {});
            Check(returned.size() == played.size());
            for (std::size_t k = 0; k < played.size(); ++k) {
                Check(Notes(returned[k]) == Notes(played[k]));
            }
        }
    }
    return 0;
}
