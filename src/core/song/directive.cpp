#include "core/song/directive.hpp"

#include <array>
#include <utility>

#include "core/song/song_text.hpp"

namespace fretwise {

namespace {

constexpr std::array<std::pair<std::string_view, std::string_view>, 20> kShortForms = {{
    {"t", "title"},           {"st", "subtitle"},
    {"c", "comment"},         {"ci", "comment_italic"},
    {"cb", "comment_box"},    {"soc", "start_of_chorus"},
    {"eoc", "end_of_chorus"}, {"sov", "start_of_verse"},
    {"eov", "end_of_verse"},  {"sob", "start_of_bridge"},
    {"eob", "end_of_bridge"}, {"sot", "start_of_tab"},
    {"eot", "end_of_tab"},    {"sog", "start_of_grid"},
    {"eog", "end_of_grid"},   {"ns", "new_song"},
    {"np", "new_page"},       {"npp", "new_physical_page"},
    {"col", "columns"},       {"colb", "column_break"},
}};

constexpr std::string_view kStartPrefix = "start_of_";
constexpr std::string_view kEndPrefix = "end_of_";

std::string Lowered(std::string_view text) {
    std::string lowered(text);
    for (char& c : lowered) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return lowered;
}

bool IsSpace(char c) {
    return c == ' ' || c == '\t';
}

}  // namespace

std::string LongDirectiveName(std::string_view name) {
    std::string lowered = Lowered(name);
    for (const auto& [shortForm, longForm] : kShortForms) {
        if (lowered == shortForm) {
            return std::string(longForm);
        }
    }
    return lowered;
}

bool Directive::AppliesToGuitar() const {
    return selector.empty() || ((selector == kSongInstrument) != negated);
}

std::optional<Directive> ReadDirective(std::string_view line) {
    const std::string_view text = Trimmed(line);
    if (text.size() < 2 || text.front() != '{' || text.back() != '}') {
        return std::nullopt;
    }
    const std::string_view inside = Trimmed(text.substr(1, text.size() - 2));
    std::size_t nameEnd = 0;
    while (nameEnd < inside.size() && inside[nameEnd] != ':' && !IsSpace(inside[nameEnd])) {
        ++nameEnd;
    }
    std::string_view name = inside.substr(0, nameEnd);
    if (name.empty()) {
        return std::nullopt;
    }
    Directive directive;
    if (name.back() == '!') {
        directive.negated = true;
        name.remove_suffix(1);
    }
    const std::size_t hyphen = name.rfind('-');
    if (hyphen != std::string_view::npos && hyphen > 0) {
        directive.selector = Lowered(name.substr(hyphen + 1));
        name = name.substr(0, hyphen);
    } else {
        directive.negated = false;
    }
    directive.name = LongDirectiveName(name);
    std::string_view rest = Trimmed(inside.substr(nameEnd));
    if (!rest.empty() && rest.front() == ':') {
        rest = Trimmed(rest.substr(1));
        directive.hasValue = true;
    }
    directive.hasValue = directive.hasValue || !rest.empty();
    directive.value = std::string(rest);
    return directive;
}

std::string_view SectionStarted(const Directive& directive) {
    const std::string_view name = directive.name;
    return name.starts_with(kStartPrefix) ? name.substr(kStartPrefix.size()) : std::string_view{};
}

std::string_view SectionEnded(const Directive& directive) {
    const std::string_view name = directive.name;
    return name.starts_with(kEndPrefix) ? name.substr(kEndPrefix.size()) : std::string_view{};
}

}  // namespace fretwise
