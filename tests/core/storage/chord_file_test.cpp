#include "core/storage/chord_file.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <tuple>

#include "support/temp_dir.hpp"

namespace fretwise::test {
namespace {

// Strings 5 and 4 muted, strings 3 to 0 at frets 0, 2, 3, 2.
constexpr PerString kDMajorNotes = {10, 6, 13, 6, -1, -1};
constexpr char kDMajorFile[] = " 20 \r\n 10 \r\n 6 \r\n 13 \r\n 6 \r\n-1 \r\n-1 \r\n";

class ChordFileTest : public TempDirTest {};

TEST_F(ChordFileTest, WritesTheDMajorShapeByteForByte) {
    EXPECT_EQ(ChordFileText(20, kDMajorNotes), kDMajorFile);

    const auto path = dir / "D.fw";
    ASSERT_TRUE(WriteChordFile(path, 20, kDMajorNotes));
    EXPECT_EQ(ReadBytes(path), kDMajorFile);
    const ChordFileRead read = ReadChordFile(path);
    ASSERT_TRUE(read.Ok());
    EXPECT_EQ(read.numFrets, 20);
    EXPECT_EQ(read.notes, kDMajorNotes);
}

TEST(ChordFileReadTest, ABrokenFileIsRefusedAtTheFailingLine) {
    constexpr ReadFailure kMissing = ReadFailure::MissingValue, kRange = ReadFailure::OutOfRange,
                          kOffNeck = ReadFailure::OffTheNeck, kBadTuning = ReadFailure::BadTuning;
    const std::string open = "20\r\n8\r\n3\r\n11\r\n6\r\n1\r\n8\r\n";
    const std::tuple<std::string, ReadFailure, int> cases[] = {
        {"", kMissing, 1},
        {" 20 \r\n 10 \r\n 6 \r\n 13 \r\n", kMissing, 5},
        {" 12 \r\n 10 \r\n 6 \r\n 13 \r\n 6 \r\n-1 \r\n", kMissing, 7},
        {"40000\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n", kRange, 1},
        {"20\r\n8\r\n3\r\n40000\r\n6\r\n1\r\n8\r\n", kRange, 4},
        // Frets 25 (G string), 72 (low E), -1 of the A string (pitch 0 is not "not played"),
        // and -8 (high E) where a text file's line reads as 0.
        {"20\r\n8\r\n3\r\n36\r\n6\r\n1\r\n8", kOffNeck, 4},
        {"20\r\n8\r\n3\r\n11\r\n6\r\n1\r\n80", kOffNeck, 7},
        {"20\r\n8\r\n3\r\n11\r\n6\r\n0\r\n8", kOffNeck, 6},
        {"root:x:0:0:root:/root\ndaemon:x:1:1\n", kOffNeck, 2},
        // Damaged tuning and capo lines; notes below the strings of the file's own tuning.
        {open + "anything 99999\r\n", kBadTuning, 8},
        {open + "0,0,0,0,-2\r\n 0 \r\n", kBadTuning, 8},
        {open + "0,0,0,0,0,0,0\r\n 0 \r\n", kBadTuning, 8},
        {open + "0,0,0,0,0,-6\r\n 0 \r\n", kBadTuning, 8},
        {open + "0,0,0,0,0,x\r\n 0 \r\n", kBadTuning, 8},
        {open + "0,0,0,0,0,-2\r\n", kBadTuning, 9},
        {open + "0,0,0,0,0,0\r\n 8 \r\n", kBadTuning, 9},
        {open + "0,0,0,0,0,0\r\n 2.5 \r\n", kBadTuning, 9},
        {open + "0,0,0,0,0,0\r\n 1 \r\n", kOffNeck, 2},
        {"20\r\n8\r\n3\r\n11\r\n6\r\n1\r\n6\r\n", kOffNeck, 7},
    };
    for (const auto& [bytes, failure, failedLine] : cases) {
        std::istringstream in(bytes);
        const ChordFileRead read = ReadChordFile(in);
        EXPECT_EQ(read.failure, failure) << testing::PrintToString(bytes);
        EXPECT_EQ(read.FailedLine(), failedLine) << testing::PrintToString(bytes);
        EXPECT_EQ(read.numFrets.has_value(), failedLine > 1) << testing::PrintToString(bytes);
    }
}

TEST(ChordFileReadTest, TakesNumbersAsTheyComeAndClampsTheFrets) {
    const std::tuple<std::string, std::int16_t, PerString> cases[] = {
        {"3\r\n8\r\n3\r\n11\r\n6\r\n1\r\n8\r\n", 5, {8, 3, 11, 6, 1, 8}},
        {"50\r\n8\r\n3\r\n11\r\n6\r\n1\r\n8\r\n", 20, {8, 3, 11, 6, 1, 8}},
        {"7,9,3,11,6,1,8", 7, {9, 3, 11, 6, 1, 8}},
        {"20\r\n8\r\n3\r\n11\r\n6\r\n1\r\n8\r\n\r\n", 20, {8, 3, 11, 6, 1, 8}},
    };
    for (const auto& [bytes, frets, notes] : cases) {
        std::istringstream in(bytes);
        const ChordFileRead read = ReadChordFile(in);
        ASSERT_TRUE(read.Ok()) << bytes;
        EXPECT_EQ(read.numFrets, frets) << bytes;
        EXPECT_EQ(read.notes, notes) << bytes;
    }
}

// A huge file costs nothing: the reader takes the values it needs and no more.
TEST(ChordFileReadTest, ReadsNoFurtherThanItNeeds) {
    const std::string tuned = kDMajorFile + std::string("0,0,0,0,0,-2\r\n 0 \r\n");
    std::istringstream chord(tuned + std::string(1 << 20, '7'));
    const ChordFileRead read = ReadChordFile(chord);
    ASSERT_TRUE(read.Ok());
    EXPECT_EQ(read.notes, kDMajorNotes);
    EXPECT_EQ(chord.tellg(), std::streampos(tuned.size()));

    std::istringstream endlessLine(kDMajorFile + std::string(1 << 20, '7'));
    EXPECT_EQ(ReadChordFile(endlessLine).FailedLine(), 8);
    EXPECT_LT(endlessLine.tellg(), std::streampos(sizeof kDMajorFile + 80));

    std::istringstream endlessNumber("20\r\n" + std::string(1 << 20, '1'));
    const ChordFileRead refused = ReadChordFile(endlessNumber);
    EXPECT_EQ(refused.failure, ReadFailure::OutOfRange);
    EXPECT_EQ(refused.FailedLine(), 2);
    EXPECT_LT(endlessNumber.tellg(), std::streampos(16));
}

TEST_F(ChordFileTest, KeepsATuningAndCapoInTwoMoreLines) {
    const struct {
        OpenStrings strings;
        PerString notes;
        std::string extraLines;
    } cases[] = {
        {{{{0, 0, 0, 0, 0, -2}}, 0}, {8, 3, 11, 6, 1, 6}, "0,0,0,0,0,-2\r\n 0 \r\n"},
        {{{}, 2}, {10, 5, 13, 8, 3, 10}, "0,0,0,0,0,0\r\n 2 \r\n"},
        {{{{-2, -2, -2, -2, -2, -4}}, 7}, {13, 8, 16, 11, 18, 11}, "-2,-2,-2,-2,-2,-4\r\n 7 \r\n"},
        {{{{4, 4, 4, 4, 4, 4}}, 1}, {13, 8, 16, 11, 6, 13}, "4,4,4,4,4,4\r\n 1 \r\n"},
    };
    for (const auto& c : cases) {
        const std::string bytes = ChordFileText(12, c.notes, c.strings);
        EXPECT_EQ(bytes, ChordFileText(12, c.notes) + c.extraLines);
        std::istringstream in(bytes);
        const ChordFileRead read = ReadChordFile(in);
        ASSERT_TRUE(read.Ok()) << bytes;
        EXPECT_EQ(read.notes, c.notes);
        EXPECT_EQ(read.strings, c.strings);
        EXPECT_EQ(read.linesRead, 9);
    }
    std::istringstream standard(kDMajorFile);
    EXPECT_TRUE(ReadChordFile(standard).strings.IsStandard());
}

TEST_F(ChordFileTest, AMissingOrUnreadableFileCannotBeOpened) {
    EXPECT_EQ(ReadChordFile(dir / "missing.fw").failure, ReadFailure::CannotOpen);
    EXPECT_FALSE(ReadChordFile(dir).Ok());  // a directory
}

}  // namespace
}  // namespace fretwise::test
