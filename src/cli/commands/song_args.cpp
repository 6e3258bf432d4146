#include "cli/commands/song_args.hpp"

#include <ostream>

#include "cli/commands/offers.hpp"
#include "cli/commands/tuning_args.hpp"
#include "core/create/order_names.hpp"
#include "core/storage/file_messages.hpp"
#include "core/storage/whole_number.hpp"

namespace fretwise::cli {

namespace {

constexpr std::string_view kAutoCapo = "auto";

// A fret of the capo, or auto.
Offer SongCapoOffer() {
    Offer offer = CapoOffer();
    offer.list = "song_capos";
    offer.words.emplace_back(kAutoCapo);
    return offer;
}

}  // namespace

void DeclareSongOptions(ArgParser& parser, SongRequest& request) {
    parser.Word("FILE", request.file, "the song, a ChordPro file (.cho, .chopro, .chordpro, .pro)",
                FilesOffer({"cho", "chopro", "chordpro", "pro"}));
    parser.Value("--song", "N", "the N-th song of a file that holds several (default 1)",
                 "a song number", [&request](const std::string& text) {
                     const std::optional<int> number = ReadWholeNumber(text, 1, 10000);
                     if (!number) {
                         throw UsageError("--song '" + text + "': not a song number from 1");
                     }
                     request.song = *number;
                 });
    parser.Value("--transpose", "N",
                 "move the song N semitones, -" + std::to_string(kTransposeLimit) + " to " +
                     std::to_string(kTransposeLimit) +
                     " (default 0); up spells sharps, down flats,\n"
                     "and a song in a flat key keeps its flats",
                 "a number of semitones", [&request](const std::string& text) {
                     const std::string_view digits =
                         text.starts_with('+') ? std::string_view(text).substr(1) : text;
                     const std::optional<int> semitones =
                         ReadWholeNumber(digits, -kTransposeLimit, kTransposeLimit);
                     if (!semitones || digits.starts_with('-') != text.starts_with('-')) {
                         throw UsageError("--transpose '" + text + "': not a number from -" +
                                          std::to_string(kTransposeLimit) + " to " +
                                          std::to_string(kTransposeLimit));
                     }
                     request.transpose = *semitones;
                 });
    parser.Value(
        "--capo", "N|auto",
        "play with a capo at fret N, 0-" + std::to_string(kMaxCapo) +
            " (default: the song's {capo}), the chords\n"
            "named by the shapes played; auto: the capo that makes the song easiest",
        "a fret or auto",
        [&request](const std::string& text) {
            if (text == kAutoCapo) {
                request.capo = CapoWish::Suggested();
                return;
            }
            const std::optional<int> capo = ReadWholeNumber(text, 0, kMaxCapo);
            if (!capo) {
                throw UsageError("--capo '" + text + "': not a fret from 0 to " +
                                 std::to_string(kMaxCapo) + " nor auto");
            }
            request.capo = CapoWish::Fret(*capo);
        },
        SongCapoOffer());
    DeclareTuning(parser, request.search.strings.tuning);
    parser.Value(
        "--order", "ORDER",
        "the order whose score the shapes are chosen by: guitarist (default)\n"
        "or classic",
        "classic or guitarist",
        [&request](const std::string& text) {
            const std::optional<CreateOrder> order = CreateOrderNamed(text);
            if (!order) {
                throw UsageError("--order must be classic or guitarist, not '" + text + "'");
            }
            request.search.order = *order;
        },
        OrderOffer());
    parser.Value(
        "--vocabulary", "V",
        "the chords songs are read in: full, every chart symbol (7#9, m(maj7),\n"
        "Am/G ...; default), or classic, the catalogue of the type list",
        "classic or full",
        [&request](const std::string& text) {
            const std::optional<Vocabulary> vocabulary = VocabularyNamed(text);
            if (!vocabulary) {
                throw UsageError("--vocabulary must be classic or full, not '" + text + "'");
            }
            request.search.vocabulary = *vocabulary;
        },
        WordsOffer("vocabularies",
                   {std::string(kClassicVocabularyName), std::string(kFullVocabularyName)}));
}

std::optional<LoadedSong> LoadSong(const SongRequest& request, std::string_view command,
                                   std::ostream& err) {
    if (request.file.empty()) {
        throw UsageError("missing FILE");
    }
    SongReading reading = ReadSongFile(std::filesystem::path(request.file));
    if (!reading.file) {
        err << "fretwise-cli " << command << ": " << kErrorOpeningFile << " '" << request.file
            << "': " << reading.error << '\n';
        return std::nullopt;
    }
    const std::size_t song = static_cast<std::size_t>(request.song - 1);
    if (song >= reading.file->songs.size()) {
        throw UsageError("--song " + std::to_string(request.song) + ": the file holds " +
                         std::to_string(reading.file->songs.size()) + " song(s)");
    }
    for (const std::string& note : reading.file->notes) {
        err << "fretwise-cli " << command << ": " << request.file << ": " << note << '\n';
    }
    LoadedSong loaded{std::move(*reading.file), song, {}};
    loaded.plan = PlanSong(loaded.file, song, request.transpose, request.capo, request.search);
    return loaded;
}

}  // namespace fretwise::cli
