#include "core/analysis/chord_readings.hpp"

#include <span>
#include <vector>

#include "core/music/chord_types.hpp"

namespace fretwise {

namespace {

constexpr int kClasses = 12;
constexpr unsigned kAllClasses = (1u << kClasses) - 1;

// The weights of the rank, lower first: an inversion costs by the note in its bass, a left-out
// note by its degree, a slash bass more than either, and an uncommon type most of all.
struct RankWeights {
    std::array<float, 4> rarity;  // by Rarity
    float omittedThird;
    float omittedFifth;
    float omittedNinth;
    float omittedEleventh;
    float bassThird;
    float bassFifth;
    float bassSeventh;
    float bassOther;  // a sixth, ninth, eleventh or thirteenth in the bass
    float slash;      // a bass that is no note of the chord
};

// Weighed on the tune set of data/charts (scripts/chart-names measures them).
constexpr RankWeights kWeights{
    .rarity = {0.0f, 0.1f, 1.7f, 2.5f},
    .omittedThird = 0.1f,
    .omittedFifth = 0.5f,
    .omittedNinth = 0.1f,
    .omittedEleventh = 0.6f,
    .bassThird = 1.3f,
    .bassFifth = 0.9f,
    .bassSeventh = 0.5f,
    .bassOther = 1.5f,
    .slash = 2.0f,
};

// A reading of a set of classes before the bass is known.
struct SetReading {
    std::int8_t root;
    std::int8_t type;
    NoteBits omits;
    std::uint16_t typeClasses;  // every class of the type, left out or not
    float rank;                 // its rank with the root in the bass
};

// The readings of every set of pitch classes: those of set s are entries[start[s]] up to
// entries[start[s + 1]].
struct ReadingTable {
    std::array<std::uint32_t, (1u << kClasses) + 1> start{};
    std::vector<SetReading> entries;
};

unsigned Rotated(unsigned notes, int root) {
    return ((notes << root) | (notes >> (kClasses - root))) & kAllClasses;
}

float OmissionCost(NoteBits omits) {
    float cost = 0.0f;
    for (int k = 0; k < kClasses; ++k) {
        if ((omits & (1u << k)) == 0) {
            continue;
        }
        if (k == 7) {
            cost += kWeights.omittedFifth;
        } else if (k == 2) {
            cost += kWeights.omittedNinth;
        } else if (k == 5) {
            cost += kWeights.omittedEleventh;
        } else {
            cost += kWeights.omittedThird;
        }
    }
    return cost;
}

float BassCost(const ChordType& type, int bassNote) {
    if (bassNote == 0) {
        return 0.0f;
    }
    if (bassNote == type.third) {
        return kWeights.bassThird;
    }
    if (bassNote == type.fifth) {
        return kWeights.bassFifth;
    }
    return bassNote >= 10 ? kWeights.bassSeventh : kWeights.bassOther;
}

float Rank(const SetReading& reading, int bass) {
    return reading.rank +
           BassCost(kChordTypes[reading.type], (bass - reading.root + kClasses) % kClasses);
}

ReadingTable BuildTable() {
    struct Placed {
        unsigned set;
        SetReading reading;
    };
    std::vector<Placed> placed;
    for (int t = 0; t < kFullChordTypeCount; ++t) {
        const ChordType& type = kChordTypes[t];
        if (type.kind == ChordKind::Separator) {
            continue;
        }
        const NoteBits notes = NoteBitsOf(type);
        for (const NoteBits omits : OmissionSetsOf(type)) {
            const float rank =
                kWeights.rarity[static_cast<std::size_t>(type.rarity)] + OmissionCost(omits);
            for (int root = 0; root < kClasses; ++root) {
                placed.push_back({Rotated(notes & ~omits, root),
                                  {static_cast<std::int8_t>(root), static_cast<std::int8_t>(t),
                                   omits, static_cast<std::uint16_t>(Rotated(notes, root)), rank}});
            }
        }
    }
    ReadingTable table;
    for (const Placed& p : placed) {
        ++table.start[p.set + 1];
    }
    for (std::size_t s = 1; s < table.start.size(); ++s) {
        table.start[s] += table.start[s - 1];
    }
    table.entries.resize(placed.size());
    std::array<std::uint32_t, 1u << kClasses> next{};
    for (const Placed& p : placed) {
        table.entries[table.start[p.set] + next[p.set]++] = p.reading;
    }
    return table;
}

const ReadingTable& Table() {
    static const ReadingTable table = BuildTable();
    return table;
}

std::span<const SetReading> ReadingsOf(unsigned set) {
    const ReadingTable& table = Table();
    return {table.entries.data() + table.start[set], table.start[set + 1] - table.start[set]};
}

}  // namespace

ChordReadings ReadClasses(const ClassCounts& counts, int bass) {
    ChordReadings result;
    unsigned classes = 0;
    for (int pc = 0; pc < kClasses; ++pc) {
        if (counts[pc] > 0) {
            classes |= 1u << pc;
        }
    }
    for (const SetReading& r : ReadingsOf(classes)) {
        const ChordKind kind = kChordTypes[r.type].kind;
        if (kind == ChordKind::Octave && counts[r.root] < 2) {
            continue;
        }
        result.readings[result.size++] = {r.root, r.type, r.omits, false, Rank(r, bass)};
    }

    // A slash name needs a chord of three notes or more above the bass.
    const unsigned upper = classes & ~(1u << bass);
    const unsigned lowestTwoCleared = upper & (upper - 1) & ((upper & (upper - 1)) - 1);
    if (lowestTwoCleared == 0) {
        return result;
    }
    ChordReading best{0, 0, 0, true, 0.0f};
    bool found = false;
    for (const SetReading& r : ReadingsOf(upper)) {
        const bool holdsBass = (r.typeClasses & (1u << bass)) != 0;
        if (kChordTypes[r.type].kind != ChordKind::Chord || holdsBass) {
            continue;
        }
        const float rank = r.rank + kWeights.slash;
        if (!found || rank < best.rank) {
            best = {r.root, r.type, r.omits, true, rank};
            found = true;
        }
    }
    if (found && result.size < kMaxReadings) {
        result.readings[result.size++] = best;
    }
    return result;
}

}  // namespace fretwise
