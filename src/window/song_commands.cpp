// The song window and the metronome: opening, moving and playing a ChordPro song, saving it
// back, and the metronome's beat.
#include "window/song_commands.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "core/song/song_writer.hpp"
#include "core/sound/metronome_click.hpp"
#include "core/sound/synthesis.hpp"
#include "core/storage/file_messages.hpp"
#include "window/commands.hpp"
#include "window/fretboard_view.hpp"
#include "window/refresh.hpp"

namespace fretwise {

namespace {

constexpr std::string_view kSongFilter = "ChordPro song|*.cho *.chopro *.chordpro *.pro *.crd";
constexpr std::string_view kSaveSongFilter = "ChordPro song|*.cho";
constexpr std::string_view kAccentFile = "metronome-accent.wav";
constexpr std::string_view kBeatFile = "metronome-beat.wav";
// Taps further apart than this start counting again.
constexpr double kLongestTap = 2.0;
constexpr std::size_t kTapsKept = 4;
constexpr int kMillisecondsAMinute = 60000;

// Songs are shaped as guitarists play them, on the window's strings; the capo is the song's.
ShapeSearch SongSearch(const WindowState& state) {
    return {OpenStrings{state.strings.tuning, 0}, CreateOrder::Guitarist};
}

void Replan(WindowState& state, CapoWish capo) {
    SongState& song = *state.song;
    song.tuning = state.strings.tuning;
    song.plan = PlanSong(*song.file, song.song, song.transpose, capo, SongSearch(state));
    song.capoSuggested = capo.kind == CapoWish::Kind::Suggested;
    if (song.current && *song.current >= song.plan.arranged.chords.size()) {
        song.current.reset();
    }
}

// The capo the song is played with as it stands.
CapoWish KeptCapo(const SongState& song) {
    return CapoWish::Fret(song.plan.arranged.capo);
}

// The strings a song's shapes sound on: the window's tuning with the song's capo.
OpenStrings SongStrings(const WindowState& state) {
    return {state.strings.tuning, static_cast<std::int16_t>(state.song->plan.arranged.capo)};
}

void Remember(WindowState& state, const std::string& path) {
    std::vector<std::string>& recent = state.recentSongs;
    std::erase(recent, path);
    recent.insert(recent.begin(), path);
    if (recent.size() > kRecentSongCount) {
        recent.resize(kRecentSongCount);
    }
}

// The beats a bar of a {time} such as "3/4"; none for anything else.
std::optional<int> BeatsOfTime(std::string_view time) {
    int beats = 0;
    const auto [end, error] = std::from_chars(time.data(), time.data() + time.size(), beats);
    const bool over = end != time.data() + time.size() && *end == '/';
    if (error != std::errc{} || !over || beats < 1 || beats > kMostBeatsPerBar) {
        return std::nullopt;
    }
    return beats;
}

void TakeSongsBeat(MetronomeState& metronome, const SongInfo& info) {
    if (info.tempo) {
        metronome.tempo = std::clamp(*info.tempo, kSlowestTempo, kFastestTempo);
    }
    if (const std::optional<int> beats = BeatsOfTime(info.time)) {
        metronome.beatsPerBar = *beats;
    }
}

int BeatPeriod(const MetronomeState& metronome) {
    return kMillisecondsAMinute / metronome.tempo;
}

bool Beating(const WindowState& state) {
    return state.metronome.running || (state.song && state.song->playingThrough);
}

// The first beat sounds at once, the others on the timer; none when nothing beats.
void StartOrStopBeats(Window& window) {
    Desktop& desktop = window.services.desktop;
    if (Beating(window.state)) {
        window.state.metronome.nextBeat = 0;
        Beat(window);
        desktop.StartBeats(BeatPeriod(window.state.metronome));
    } else {
        desktop.StopBeats();
    }
}

void StopPlayingThrough(Window& window) {
    if (window.state.song && window.state.song->playingThrough) {
        window.state.song->playingThrough = false;
        if (!Beating(window.state)) {
            window.services.desktop.StopBeats();
        }
    }
}

std::filesystem::path ClickFile(const Window& window, bool accented) {
    return window.services.paths.cacheDir / (accented ? kAccentFile : kBeatFile);
}

void Click(Window& window, bool accented) {
    window.services.sound.PlaySoundFile(ClickFile(window, accented));
}

// The next chord of a song played through, at the first beat of a bar; at the end the song
// stops.
void PlayNextBar(Window& window) {
    SongState& song = *window.state.song;
    const std::vector<std::size_t>& sequence = song.plan.arranged.sequence;
    // Chords the program cannot play are passed over.
    while (song.nextBar < sequence.size() && !song.plan.shapes.shapes[sequence[song.nextBar]]) {
        ++song.nextBar;
    }
    if (song.nextBar >= sequence.size()) {
        StopPlayingThrough(window);
        return;
    }
    const std::size_t chord = sequence[song.nextBar++];
    song.current = chord;
    const Fingering& shape = *song.plan.shapes.shapes[chord];
    window.services.sound.SynthChord(ChordNotesToPlay(shape, SongStrings(window.state)),
                                     StrumMode::Strummed);
}

}  // namespace

void ChooseSongToOpen(Window& window) {
    Paint(window);
    const std::optional<std::string> chosen = window.services.dialogs.AskFileToOpen(kSongFilter);
    if (chosen) {
        OpenSongFile(window, *chosen);
    }
}

void OpenSongFile(Window& window, std::string_view path) {
    const std::unique_ptr<std::istream> in =
        window.services.files.OpenToRead(std::filesystem::path(path));
    SongReading reading =
        in ? ReadSongStream(*in) : SongReading{std::nullopt, "the file cannot be read"};
    if (!reading.file) {
        Paint(window);
        window.services.dialogs.Message(std::string(kErrorOpeningFile) + "\n" + reading.error,
                                        MessageIcon::None);
        return;
    }
    StopPlayingThrough(window);
    WindowState& state = window.state;
    SongState song;
    song.path = std::string(path);
    song.file = std::make_shared<const SongFile>(std::move(*reading.file));
    state.song = std::move(song);
    Replan(state, {});
    TakeSongsBeat(state.metronome, state.song->file->songs.front().info);
    Remember(state, std::string(path));
}

void OpenRecentSong(Window& window, int index) {
    std::vector<std::string>& recent = window.state.recentSongs;
    if (index < 0 || index >= static_cast<int>(recent.size())) {
        return;
    }
    const std::string path = recent[static_cast<std::size_t>(index)];
    OpenSongFile(window, path);
    if (!window.state.song || window.state.song->path != path) {
        std::erase(recent, path);
    }
}

void CloseSong(Window& window) {
    StopPlayingThrough(window);
    window.state.song.reset();
}

void ChooseSongOfFile(Window& window, int index) {
    WindowState& state = window.state;
    if (!state.song || index < 0 || index >= static_cast<int>(state.song->file->songs.size()) ||
        static_cast<std::size_t>(index) == state.song->song) {
        return;
    }
    StopPlayingThrough(window);
    state.song->song = static_cast<std::size_t>(index);
    state.song->transpose = 0;
    state.song->current.reset();
    Replan(state, {});
    TakeSongsBeat(state.metronome, state.song->file->songs[state.song->song].info);
}

void TransposeSong(Window& window, int semitones) {
    WindowState& state = window.state;
    if (!state.song) {
        return;
    }
    const int transpose = state.song->transpose + semitones;
    if (transpose < -kTransposeLimit || transpose > kTransposeLimit) {
        window.services.dialogs.Beep();
        return;
    }
    state.song->transpose = transpose;
    Replan(state, KeptCapo(*state.song));
}

void ChooseSongCapo(Window& window, int capo) {
    WindowState& state = window.state;
    if (!state.song || capo < 0 || capo > kMaxCapo || capo == state.song->plan.arranged.capo) {
        return;
    }
    Replan(state, CapoWish::Fret(capo));
}

void SuggestSongCapo(Window& window) {
    if (window.state.song) {
        Replan(window.state, CapoWish::Suggested());
    }
}

void ShowSongChord(Window& window, int index) {
    WindowState& state = window.state;
    if (!state.song || index < 0 ||
        index >= static_cast<int>(state.song->plan.shapes.shapes.size())) {
        return;
    }
    const std::optional<Fingering>& chosen =
        state.song->plan.shapes.shapes[static_cast<std::size_t>(index)];
    if (!chosen) {
        window.services.dialogs.Beep();
        return;
    }
    state.song->current = static_cast<std::size_t>(index);
    state.strings = SongStrings(state);
    state.browsingCandidates = false;
    Fingering shape;
    shape.Fret = chosen->Fret;
    RefreshChord(state, shape);
    // The neck scrolls to the shape when it lies outside the frets in view.
    int lowest = kHighestFret;
    int highest = 0;
    for (const std::int16_t fret : shape.Fret) {
        if (fret >= 1) {
            lowest = std::min<int>(lowest, fret);
            highest = std::max<int>(highest, fret);
        }
    }
    if (highest > 0 &&
        (lowest <= state.neckPosition || highest > state.neckPosition + kFretsInView)) {
        SetNeckPosition(state, std::clamp(lowest - 1, 0, NeckScrollMax(state.numFrets)));
        DrawNeck(state);
    }
    PlayChord(window, StrumMode::Strummed);
}

void PlayThroughSong(Window& window) {
    WindowState& state = window.state;
    if (!state.song) {
        return;
    }
    if (state.song->playingThrough) {
        StopPlayingThrough(window);
        return;
    }
    state.song->playingThrough = true;
    state.song->nextBar = 0;
    StartOrStopBeats(window);
}

void SaveSongAs(Window& window) {
    const WindowState& state = window.state;
    if (!state.song) {
        return;
    }
    Paint(window);
    const SongState& song = *state.song;
    const std::string& title = song.file->songs[song.song].info.title;
    const std::string offered = (title.empty() ? std::string("song") : title) + ".cho";
    const std::optional<std::string> chosen =
        window.services.dialogs.AskFileToSave(offered, kSaveSongFilter);
    if (!chosen) {
        return;
    }
    const std::string text =
        RewrittenSong(*song.file, song.song, {song.plan.setting, DefinesOf(song.plan)});
    if (chosen->empty() ||
        !window.services.files.WriteAtomically(std::filesystem::path(*chosen), text)) {
        window.services.dialogs.Message(kErrorSavingFile, MessageIcon::None);
    }
}

void ShowMetronome(Window& window) {
    window.state.metronome.shown = true;
}

void CloseMetronome(Window& window) {
    window.state.metronome.shown = false;
    if (window.state.metronome.running) {
        ToggleMetronome(window);
    }
}

void ChooseTempo(Window& window, int beatsPerMinute) {
    MetronomeState& metronome = window.state.metronome;
    if (beatsPerMinute < kSlowestTempo || beatsPerMinute > kFastestTempo ||
        beatsPerMinute == metronome.tempo) {
        return;
    }
    metronome.tempo = beatsPerMinute;
    if (Beating(window.state)) {
        window.services.desktop.StartBeats(BeatPeriod(metronome));
    }
}

void ChooseBeatsPerBar(Window& window, int beats) {
    MetronomeState& metronome = window.state.metronome;
    if (beats >= 1 && beats <= kMostBeatsPerBar) {
        metronome.beatsPerBar = beats;
        metronome.nextBeat %= beats;
    }
}

void ToggleMetronome(Window& window) {
    MetronomeState& metronome = window.state.metronome;
    metronome.running = !metronome.running;
    if (metronome.running) {
        for (const bool accented : {true, false}) {
            const std::vector<std::uint8_t> click = MetronomeClickWav(accented);
            window.services.files.WriteAtomically(
                ClickFile(window, accented),
                std::string_view(reinterpret_cast<const char*>(click.data()), click.size()));
        }
    }
    StartOrStopBeats(window);
}

void TapTempo(Window& window, double seconds) {
    MetronomeState& metronome = window.state.metronome;
    std::vector<double>& taps = metronome.taps;
    if (!taps.empty() && (seconds <= taps.back() || seconds - taps.back() > kLongestTap)) {
        taps.clear();
    }
    taps.push_back(seconds);
    if (taps.size() > kTapsKept) {
        taps.erase(taps.begin());
    }
    if (taps.size() >= 2) {
        const double beat = (taps.back() - taps.front()) / static_cast<double>(taps.size() - 1);
        const int tempo =
            std::clamp(static_cast<int>(std::lround(60.0 / beat)), kSlowestTempo, kFastestTempo);
        ChooseTempo(window, tempo);
    }
}

void Beat(Window& window) {
    WindowState& state = window.state;
    MetronomeState& metronome = state.metronome;
    const bool firstBeat = metronome.nextBeat == 0;
    if (state.song && state.song->playingThrough) {
        // One sound plays at a time: the chord rings through its bar without clicks.
        if (firstBeat) {
            PlayNextBar(window);
        }
    } else if (metronome.running) {
        Click(window, firstBeat);
    }
    metronome.nextBeat = (metronome.nextBeat + 1) % metronome.beatsPerBar;
}

void FollowStrings(WindowState& state) {
    if (state.song && state.song->tuning != state.strings.tuning) {
        Replan(state, KeptCapo(*state.song));
    }
}

}  // namespace fretwise
