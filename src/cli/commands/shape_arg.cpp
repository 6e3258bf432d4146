#include "cli/commands/shape_arg.hpp"

#include <vector>

#include "core/storage/whole_number.hpp"

namespace fretwise::cli {

namespace {

std::optional<std::int16_t> ParseFretValue(std::string_view text) {
    if (text == "x" || text == "X" || text == "-1") {
        return kMuted;
    }
    const std::optional<int> fret = ReadWholeNumber(text);
    if (!fret || !IsOnNeck(*fret)) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(*fret);
}

std::vector<std::string_view> SplitValues(std::string_view text) {
    std::vector<std::string_view> values;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find_first_of(" ,", start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        if (end > start) {
            values.push_back(text.substr(start, end - start));
        }
        start = end + 1;
    }
    return values;
}

ShapeArg FromValues(const std::vector<std::string_view>& values, int consumed) {
    ShapeArg result;
    if (values.size() != kStringCount) {
        result.error = "a shape needs six strings, low E first (e.g. x32010), got " +
                       std::to_string(values.size());
        return result;
    }
    PerString frets{};
    for (int k = 0; k < kStringCount; ++k) {
        const auto fret = ParseFretValue(values[k]);
        if (!fret) {
            result.error = "'" + std::string(values[k]) +
                           "' is not a fret (0-24, or x for a string not played)";
            return result;
        }
        frets[kStringCount - 1 - k] = *fret;  // written low E first, stored high E first
    }
    result.frets = frets;
    result.consumed = consumed;
    return result;
}

}  // namespace

ShapeArg ParseShape(Args args) {
    if (args.empty()) {
        return {std::nullopt, "missing SHAPE (e.g. x32010, low E string first)", 0};
    }
    const std::string_view first = args[0];
    if (first.find_first_of(" ,") != std::string_view::npos) {
        return FromValues(SplitValues(first), 1);
    }
    if (first.size() == kStringCount) {
        std::vector<std::string_view> values;
        for (std::size_t k = 0; k < first.size(); ++k) {
            values.push_back(first.substr(k, 1));
        }
        return FromValues(values, 1);
    }
    if (args.size() >= kStringCount) {
        return FromValues({args.begin(), args.begin() + kStringCount}, kStringCount);
    }
    return FromValues({first}, 1);
}

PerString WholeShape(Args words, std::string_view afterShape) {
    const ShapeArg shape = ParseShape(words);
    if (!shape.frets) {
        throw UsageError(shape.error);
    }
    if (static_cast<std::size_t>(shape.consumed) != words.size()) {
        throw UsageError("unexpected argument '" + words[static_cast<std::size_t>(shape.consumed)] +
                         "'" + std::string(afterShape));
    }
    return *shape.frets;
}

}  // namespace fretwise::cli
