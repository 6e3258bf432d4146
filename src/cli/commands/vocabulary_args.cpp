#include "cli/commands/vocabulary_args.hpp"

#include "cli/commands/offers.hpp"

namespace fretwise::cli {

void DeclareVocabulary(ArgParser& parser, Vocabulary& vocabulary) {
    parser.Value(
        "--vocabulary", "V",
        "the chords known: classic, the catalogue of the type list (default), or\n"
        "full, every chart symbol (extended, altered, suspended), named also\n"
        "with the notes guitarists leave out and with a bass outside the chord",
        "classic or full",
        [&vocabulary](const std::string& text) {
            const std::optional<Vocabulary> named = VocabularyNamed(text);
            if (!named) {
                throw UsageError("--vocabulary must be classic or full, not '" + text + "'");
            }
            vocabulary = *named;
        },
        WordsOffer("vocabularies",
                   {std::string(kClassicVocabularyName), std::string(kFullVocabularyName)}));
}

void AppendJsonIntervals(std::string& out, std::span<const std::int16_t> intervals) {
    out += '[';
    for (std::size_t k = 0; k < intervals.size(); ++k) {
        out += k > 0 ? "," : "";
        out += std::to_string(intervals[k]);
    }
    out += ']';
}

}  // namespace fretwise::cli
