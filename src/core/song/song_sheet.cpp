#include "core/song/song_sheet.hpp"

#include "core/song/song_text.hpp"

namespace fretwise {

std::string KeyAndCapoText(const ArrangedSong& song) {
    std::string text = song.key.empty() ? "" : "Key " + ShowableUtf8(song.key);
    if (song.capo != 0) {
        text += text.empty() ? "Capo " : ", capo ";
        text += std::to_string(song.capo);
        if (!song.keyHeard.empty()) {
            text += " (sounds " + ShowableUtf8(song.keyHeard) + ")";
        }
    }
    return text;
}

SongSheet SheetOf(const SongFile& file, std::size_t song, const SongPlan& plan, bool lyrics) {
    const SongInfo& info = file.songs.at(song).info;
    SongSheet sheet;
    sheet.title = ShowableUtf8(info.title);
    for (const std::string& subtitle : info.subtitles) {
        sheet.subtitles.push_back(ShowableUtf8(subtitle));
    }
    for (const std::string* credit : {&info.artist, &info.composer}) {
        if (!credit->empty()) {
            sheet.subtitles.push_back(ShowableUtf8(*credit));
        }
    }
    sheet.keyAndCapo = KeyAndCapoText(plan.arranged);
    for (std::size_t k = 0; k < plan.arranged.chords.size(); ++k) {
        sheet.chords.push_back(
            {ShowableUtf8(plan.arranged.chords[k].shape), plan.shapes.shapes[k]});
    }
    if (lyrics) {
        sheet.lines = ShownLines(file, song, plan.setting);
    }
    return sheet;
}

}  // namespace fretwise
