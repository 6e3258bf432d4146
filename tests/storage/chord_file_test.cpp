#include "storage/chord_file.hpp"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <sstream>
#include <streambuf>

#include "support/temp_dir.hpp"

namespace fretwise::test {
namespace {

// Strings 5 and 4 muted, strings 3 to 0 at frets 0, 2, 3, 2.
constexpr PerString kDMajorNotes = {10, 6, 13, 6, -1, -1};
constexpr char kDMajorFile[] = " 20 \r\n 10 \r\n 6 \r\n 13 \r\n 6 \r\n-1 \r\n-1 \r\n";

class ChordFileTest : public TempDirTest {};

TEST_F(ChordFileTest, WritesTheDMajorShapeByteForByte) {
    Fingering shape;
    shape.Fret = {2, 3, 2, 0, kMuted, kMuted};
    EXPECT_EQ(ShapeFretsToNotes(shape).Note, kDMajorNotes);
    EXPECT_EQ(ChordFileText(20, kDMajorNotes), kDMajorFile);

    const auto path = dir / "D.fw";
    ASSERT_TRUE(WriteChordFile(path, 20, kDMajorNotes));
    EXPECT_EQ(ReadBytes(path), kDMajorFile);
    const ChordFileRead read = ReadChordFile(path);
    ASSERT_TRUE(read.Ok());
    EXPECT_EQ(read.numFrets, 20);
    EXPECT_EQ(read.notes, kDMajorNotes);
}

TEST(ChordFileRoundTripTest, EveryShapeComesBackThroughSaveAndOpen) {
    for (int frets = kMinFrets; frets <= kMaxFrets; ++frets) {
        for (int fret = -1; fret <= kHighestFret; ++fret) {
            Fingering shape;
            for (int s = 0; s < kStringCount; ++s) {
                // Every string takes every fret of the neck, in varying combinations.
                shape.Fret[s] =
                    static_cast<std::int16_t>(s % 2 == 0 ? fret : kHighestFret - 1 - fret);
            }
            shape = ShapeFretsToNotes(shape);
            std::istringstream in(ChordFileText(static_cast<std::int16_t>(frets), shape.Note));
            const ChordFileRead read = ReadChordFile(in);
            ASSERT_TRUE(read.Ok());
            EXPECT_EQ(read.numFrets, frets);
            Fingering opened;
            opened.Note = read.notes;
            EXPECT_EQ(ShapeNotesToFrets(opened).Fret, shape.Fret);
        }
    }
}

struct BadFile {
    const char* name;
    std::string bytes;
    ReadFailure failure;
    int failedLine;
};

class BrokenChordFileTest : public ::testing::TestWithParam<BadFile> {};
constexpr ReadFailure kOffNeck = ReadFailure::OffTheNeck;

TEST_P(BrokenChordFileTest, IsRefusedAtTheFailingLine) {
    std::istringstream in(GetParam().bytes);
    const ChordFileRead read = ReadChordFile(in);
    EXPECT_EQ(read.failure, GetParam().failure);
    EXPECT_EQ(read.FailedLine(), GetParam().failedLine);
    EXPECT_EQ(read.numFrets.has_value(), GetParam().failedLine > 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BrokenChordFileTest,
    ::testing::Values(BadFile{"Empty", "", ReadFailure::MissingValue, 1},
                      BadFile{"FourLines", " 20 \r\n 10 \r\n 6 \r\n 13 \r\n",
                              ReadFailure::MissingValue, 5},
                      BadFile{"SixLines", " 12 \r\n 10 \r\n 6 \r\n 13 \r\n 6 \r\n-1 \r\n",
                              ReadFailure::MissingValue, 7},
                      BadFile{"FretsTooBig", "40000\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n",
                              ReadFailure::OutOfRange, 1},
                      BadFile{"NoteTooBig", "20\r\n8\r\n3\r\n40000\r\n6\r\n1\r\n8\r\n",
                              ReadFailure::OutOfRange, 4},
                      // Frets 25 (G string), 72 (low E), -1 of the A string (pitch 0 is not
                      // "not played"), and -8 (high E) where a text file's line reads as 0.
                      BadFile{"Fret25", "20\r\n8\r\n3\r\n36\r\n6\r\n1\r\n8", kOffNeck, 4},
                      BadFile{"Fret72", "20\r\n8\r\n3\r\n11\r\n6\r\n1\r\n80", kOffNeck, 7},
                      BadFile{"PitchZero", "20\r\n8\r\n3\r\n11\r\n6\r\n0\r\n8", kOffNeck, 6},
                      BadFile{"TextFile", "root:x:0:0:root:/root\ndaemon:x:1:1\n", kOffNeck, 2}),
    [](const auto& info) { return info.param.name; });

TEST(ChordFileReadTest, TakesNumbersAsTheyComeAndClampsTheFrets) {
    struct Case {
        std::string bytes;
        std::int16_t frets;
        PerString notes;
    };
    const Case cases[] = {
        {"3\r\n8\r\n3\r\n11\r\n6\r\n1\r\n8\r\n", 5, {8, 3, 11, 6, 1, 8}},
        {"50\r\n8\r\n3\r\n11\r\n6\r\n1\r\n8\r\n", 20, {8, 3, 11, 6, 1, 8}},
        {"abc\r\n8.5\r\n3.5\r\n13xyz\r\n-1\r\n 1\r\n32\r\n", 5, {8, 4, 13, -1, 1, 32}},
        {"7,9,3,11,6,1,8", 7, {9, 3, 11, 6, 1, 8}},
        {"20\r\n8\r\n3\r\n11\r\n6\r\n1\r\n8\r\nanything after the seventh line 99999",
         20,
         {8, 3, 11, 6, 1, 8}},
    };
    for (const Case& c : cases) {
        std::istringstream in(c.bytes);
        const ChordFileRead read = ReadChordFile(in);
        ASSERT_TRUE(read.Ok()) << c.bytes;
        EXPECT_EQ(read.numFrets, c.frets) << c.bytes;
        EXPECT_EQ(read.notes, c.notes) << c.bytes;
    }
}

TEST(ChordFileReadTest, BinaryGarbageIsReadOrRefusedWithoutHarm) {
    std::string garbage;
    for (int i = 0; i < 4096; ++i) {
        garbage += static_cast<char>((i * 7919 + 13) % 256);
    }
    std::istringstream in(garbage);
    const ChordFileRead read = ReadChordFile(in);
    EXPECT_LE(read.linesRead, kChordFileLineCount);
    EXPECT_EQ(read.Ok(), read.linesRead == kChordFileLineCount);
}

// A stream of the given size that is a valid chord file followed by endless filler, and
// counts how much of it was read.
class HugeChordStream : public std::streambuf {
  public:
    HugeChordStream(std::string head, char filler) : head_(std::move(head)), filler_(filler) {
        setg(head_.data(), head_.data(), head_.data() + head_.size());
    }
    std::size_t BytesHandedOut() const { return handedOut_ + (gptr() - eback()); }

  protected:
    int_type underflow() override {
        handedOut_ += static_cast<std::size_t>(egptr() - eback());
        chunk_.assign(4096, filler_);
        setg(chunk_.data(), chunk_.data(), chunk_.data() + chunk_.size());
        return traits_type::to_int_type(filler_);
    }

  private:
    std::string head_;
    std::string chunk_;
    char filler_;
    std::size_t handedOut_ = 0;
};

TEST(ChordFileReadTest, StopsReadingAfterTheSeventhValue) {
    HugeChordStream source(kDMajorFile, '7');
    std::istream in(&source);
    const ChordFileRead read = ReadChordFile(in);
    ASSERT_TRUE(read.Ok());
    EXPECT_EQ(read.notes, kDMajorNotes);
    EXPECT_LE(source.BytesHandedOut(), sizeof kDMajorFile);
}

TEST(ChordFileReadTest, AnEndlessNumberIsRefusedAfterAFewDigits) {
    HugeChordStream source("20\r\n1", '1');
    std::istream in(&source);
    const ChordFileRead read = ReadChordFile(in);
    EXPECT_EQ(read.failure, ReadFailure::OutOfRange);
    EXPECT_EQ(read.FailedLine(), 2);
    EXPECT_LT(source.BytesHandedOut(), 16u);
}

TEST_F(ChordFileTest, AHundredMegabyteFileIsOpenedFromItsFirstLines) {
    const auto path = dir / "huge.fw";
    WriteBytes(path, kDMajorFile);
    std::filesystem::resize_file(path, 100u << 20);  // sparse: zero bytes to the end
    const ChordFileRead read = ReadChordFile(path);
    ASSERT_TRUE(read.Ok());
    EXPECT_EQ(read.notes, kDMajorNotes);
}

TEST_F(ChordFileTest, AMissingOrUnreadableFileCannotBeOpened) {
    EXPECT_EQ(ReadChordFile(dir / "missing.fw").failure, ReadFailure::CannotOpen);
    EXPECT_FALSE(ReadChordFile(dir).Ok());  // a directory
}

TEST_F(ChordFileTest, AnInterruptedSaveLeavesTheOldFileByteIdentical) {
    const auto path = dir / "keep.fw";
    ASSERT_TRUE(WriteChordFile(path, 20, kDMajorNotes));
    // A child process saves another chord while it may write only a few bytes, so the
    // write breaks off in the middle of the file.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{10, 10};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ::_exit(WriteChordFile(path, 7, {1, 2, 3, 4, 5, 6}) ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1) << "the save must report its failure";
    EXPECT_EQ(ReadBytes(path), kDMajorFile);
    EXPECT_EQ(FileCount(), 1u) << "no partial or temporary file may remain";
}

}  // namespace
}  // namespace fretwise::test
