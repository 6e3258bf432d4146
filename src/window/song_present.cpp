#include "window/song_present.hpp"

#include "core/song/song_sheet.hpp"

namespace fretwise {

namespace {

constexpr std::string_view kUntitled = "(untitled)";

std::string TitleOf(const SongInfo& info) {
    return info.title.empty() ? std::string(kUntitled) : info.title;
}

std::string TransposeCaption(int transpose) {
    if (transpose == 0) {
        return "Transpose: none";
    }
    return "Transpose: " + std::string(transpose > 0 ? "+" : "") + std::to_string(transpose);
}

std::string UnknownNote(const SongShapes& shapes, const ArrangedSong& arranged) {
    std::string note;
    for (std::size_t k = 0; k < arranged.chords.size(); ++k) {
        if (!shapes.shapes[k]) {
            note += (note.empty() ? "Unknown chords: " : ", ") + arranged.chords[k].shape;
        }
    }
    return note;
}

}  // namespace

SongWindowView PresentSong(const WindowState& state) {
    SongWindowView view;
    if (!state.song) {
        return view;
    }
    const SongState& song = *state.song;
    const SongFile& file = *song.file;
    const SongPlan& plan = song.plan;
    const SongSheet sheet = SheetOf(file, song.song, plan, true);
    view.shown = true;
    view.title = TitleOf(file.songs[song.song].info);
    view.caption = "Song - " + view.title;
    if (file.songs.size() > 1) {
        for (const Song& each : file.songs) {
            view.songs.push_back(TitleOf(each.info));
        }
    }
    view.songIndex = static_cast<int>(song.song);
    view.subtitles = sheet.subtitles;
    view.keyAndCapo = sheet.keyAndCapo;
    view.transposeCaption = TransposeCaption(song.transpose);
    view.capo = plan.arranged.capo;
    view.capoNote = song.capoSuggested ? "(suggested)" : "";
    view.unknownNote = UnknownNote(plan.shapes, plan.arranged);
    for (std::size_t k = 0; k < plan.arranged.chords.size(); ++k) {
        const PlayedChord& chord = plan.arranged.chords[k];
        view.chords.push_back({sheet.chords[k].name, sheet.chords[k].shape,
                               plan.arranged.capo == 0 ? "" : chord.sounding, song.current == k});
    }
    view.lines = sheet.lines;
    view.leftHanded = state.leftHanded;
    view.playCaption = song.playingThrough ? "Stop" : "Play through";
    return view;
}

MetronomeView PresentMetronome(const MetronomeState& metronome) {
    return {metronome.shown,    metronome.tempo,   metronome.beatsPerBar,
            metronome.nextBeat, metronome.running, metronome.running ? "Stop" : "Start"};
}

}  // namespace fretwise
