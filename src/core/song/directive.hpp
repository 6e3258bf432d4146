#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace fretwise {

// The instrument songs are read for: a directive or section that selects another one does
// not apply.
constexpr std::string_view kSongInstrument = "guitar";

// A line in braces: {name}, {name: value} or {name value}.
struct Directive {
    std::string name;      // the long form in lower case: "title" for {t: ...}
    std::string selector;  // after a hyphen: "ukulele" in {c-ukulele: ...}; empty when none
    bool negated = false;  // a "!" after the selector: {c-ukulele!: ...}
    std::string value;     // the text after the colon or the first space, trimmed
    bool hasValue = false;

    // Whether the directive is meant for the guitar: no selector, the guitar's, or another
    // instrument's negated.
    bool AppliesToGuitar() const;
};

// The directive the line holds (spaces around the braces allowed), or nullopt when the line
// is no directive.
std::optional<Directive> ReadDirective(std::string_view line);

// The long form of a directive name given in either form ("soc" -> "start_of_chorus").
std::string LongDirectiveName(std::string_view name);

// The section a directive starts or ends: "chorus" for {start_of_chorus} and {eoc}; empty
// for any other directive.
std::string_view SectionStarted(const Directive& directive);
std::string_view SectionEnded(const Directive& directive);

// The names of the directives this program acts on.
namespace directive_names {
constexpr std::string_view kTitle = "title";
constexpr std::string_view kSubtitle = "subtitle";
constexpr std::string_view kArtist = "artist";
constexpr std::string_view kComposer = "composer";
constexpr std::string_view kLyricist = "lyricist";
constexpr std::string_view kAlbum = "album";
constexpr std::string_view kYear = "year";
constexpr std::string_view kKey = "key";
constexpr std::string_view kCapo = "capo";
constexpr std::string_view kTempo = "tempo";
constexpr std::string_view kTime = "time";
constexpr std::string_view kDuration = "duration";
constexpr std::string_view kMeta = "meta";
constexpr std::string_view kComment = "comment";
constexpr std::string_view kCommentItalic = "comment_italic";
constexpr std::string_view kCommentBox = "comment_box";
constexpr std::string_view kHighlight = "highlight";
constexpr std::string_view kChorus = "chorus";
constexpr std::string_view kNewSong = "new_song";
constexpr std::string_view kDefine = "define";
constexpr std::string_view kChord = "chord";
constexpr std::string_view kTranspose = "transpose";
constexpr std::string_view kTabSection = "tab";
constexpr std::string_view kGridSection = "grid";
constexpr std::string_view kChorusSection = "chorus";
}  // namespace directive_names

}  // namespace fretwise
