#include "core/song/chord_define.hpp"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "core/storage/whole_number.hpp"

namespace fretwise {

namespace {

constexpr std::string_view kBaseFretWord = "base-fret";
constexpr std::string_view kFretsWord = "frets";
constexpr std::string_view kFingersWord = "fingers";

std::vector<std::string_view> Words(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t k = 0;
    while (k < text.size()) {
        while (k < text.size() && (text[k] == ' ' || text[k] == '\t')) {
            ++k;
        }
        const std::size_t start = k;
        while (k < text.size() && text[k] != ' ' && text[k] != '\t') {
            ++k;
        }
        if (k > start) {
            words.push_back(text.substr(start, k - start));
        }
    }
    return words;
}

bool IsMutedWord(std::string_view word) {
    return word == "x" || word == "X" || word == "N" || word == "-1";
}

bool IsKeyword(std::string_view word) {
    return !word.empty() && word.front() >= 'a' && word.front() <= 'z' && !IsMutedWord(word);
}

// The six values of strings low E to high E in the program's string order, or nullopt.
std::optional<PerString> SixValues(const std::vector<std::optional<int>>& values) {
    if (values.size() != kStringCount) {
        return std::nullopt;
    }
    PerString strings{};
    for (int k = 0; k < kStringCount; ++k) {
        if (!values[k]) {
            return std::nullopt;
        }
        strings[kStringCount - 1 - k] = static_cast<std::int16_t>(*values[k]);
    }
    return strings;
}

}  // namespace

std::optional<ChordDefinition> ReadChordDefinition(std::string_view value) {
    const std::vector<std::string_view> words = Words(value);
    if (words.empty()) {
        return std::nullopt;
    }
    ChordDefinition definition{std::string(words[0]), std::nullopt, std::nullopt};
    int baseFret = 1;
    std::vector<std::optional<int>> frets;
    std::vector<std::optional<int>> fingers;
    bool fretsGiven = false;
    for (std::size_t k = 1; k < words.size(); ++k) {
        if (words[k] == kBaseFretWord && k + 1 < words.size()) {
            baseFret = std::max(ReadWholeNumber(words[++k]).value_or(-1), 1);
        } else if (words[k] == kFretsWord || words[k] == kFingersWord) {
            const bool isFrets = words[k] == kFretsWord;
            fretsGiven = fretsGiven || isFrets;
            std::vector<std::optional<int>>& list = isFrets ? frets : fingers;
            while (k + 1 < words.size() && !IsKeyword(words[k + 1])) {
                const std::string_view word = words[++k];
                list.push_back(IsMutedWord(word) ? std::optional<int>(isFrets ? -1 : 0)
                                                 : ReadWholeNumber(word));
            }
        }
    }
    if (!fretsGiven) {
        return definition;
    }
    std::optional<PerString> relative = SixValues(frets);
    if (relative) {
        PerString absolute{};
        bool onNeck = true;
        for (int s = 0; s < kStringCount; ++s) {
            const int fret = (*relative)[s];
            absolute[s] = static_cast<std::int16_t>(fret >= 1 ? fret + baseFret - 1 : fret);
            onNeck = onNeck && (fret == kMuted || IsOnNeck(absolute[s]));
        }
        if (onNeck) {
            definition.frets = absolute;
        }
    }
    const std::optional<PerString> fingerValues = SixValues(fingers);
    if (definition.frets && fingerValues &&
        std::all_of(fingerValues->begin(), fingerValues->end(),
                    [](std::int16_t f) { return f >= 0 && f <= 5; })) {
        definition.fingers = fingerValues;
    }
    return definition;
}

int DiagramBaseFret(const PerString& frets) {
    int lowest = kHighestFret;
    int highest = 0;
    for (const std::int16_t fret : frets) {
        if (fret >= 1) {
            lowest = std::min<int>(lowest, fret);
            highest = std::max<int>(highest, fret);
        }
    }
    return highest <= kDiagramFrets ? 1 : lowest;
}

std::string DefineText(std::string_view name, const PerString& frets, const PerString& fingers) {
    const int baseFret = DiagramBaseFret(frets);
    std::string text = "{define: ";
    text += name;
    text += " base-fret " + std::to_string(baseFret) + " frets";
    for (int s = kStringCount - 1; s >= 0; --s) {
        const int fret = frets[s];
        text += fret < 0 ? " x" : " " + std::to_string(fret >= 1 ? fret - baseFret + 1 : 0);
    }
    text += " fingers";
    for (int s = kStringCount - 1; s >= 0; --s) {
        text += " " + std::to_string(std::max<int>(fingers[s], 0));
    }
    text += '}';
    return text;
}

std::optional<PerString> MovedShape(const PerString& frets, int semitones) {
    int lowest = kHighestFret;
    int highest = 0;
    for (const std::int16_t fret : frets) {
        if (fret == 0) {
            return std::nullopt;
        }
        if (fret >= 1) {
            lowest = std::min<int>(lowest, fret);
            highest = std::max<int>(highest, fret);
        }
    }
    const int up = ((semitones % 12) + 12) % 12;
    std::optional<int> best;
    for (const int move : {up - 12, up}) {
        const bool fits = lowest + move >= 1 && highest + move <= kHighestFret;
        if (fits && (!best || std::abs(move) < std::abs(*best))) {
            best = move;
        }
    }
    if (!best) {
        return std::nullopt;
    }
    PerString moved = frets;
    for (std::int16_t& fret : moved) {
        fret = fret >= 1 ? static_cast<std::int16_t>(fret + *best) : fret;
    }
    return moved;
}

}  // namespace fretwise
