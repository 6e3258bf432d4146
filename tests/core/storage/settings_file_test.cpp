#include "core/storage/settings_file.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <tuple>

#include "support/temp_dir.hpp"

namespace fretwise::test {
namespace {

constexpr char kFirstRunFile[] =
    " 20 \r\n 0 \r\n 0 \r\n-1 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n"
    " 0 \r\n 0 \r\n-1 \r\n-1 \r\n";

Settings SomeSettings() {
    Settings s;
    s.numFrets = 12;
    s.toolTips = true;
    s.allStrings = true;
    s.flats = false;
    s.frets = {3, 0, 0, 0, 2, 3};
    s.neckPosition = 4;
    s.nameIndex = 1;
    s.rootIndex = 11;
    s.typeIndex = 37;
    return s;
}

SettingsRead ReadText(const std::string& text) {
    std::istringstream in(text);
    return ReadSettings(in);
}

// The file text with one line replaced.
std::string WithLine(std::string text, int line, const std::string& value) {
    std::size_t start = 0;
    for (int i = 1; i < line; ++i) {
        start = text.find("\r\n", start) + 2;
    }
    return text.replace(start, text.find("\r\n", start) - start, value);
}

class SettingsFileTest : public TempDirTest {};

TEST_F(SettingsFileTest, AFirstRunWritesTheDefaultsByteForByte) {
    EXPECT_EQ(SettingsText(Settings{}), kFirstRunFile);
    const auto path = dir / "fretwise" / "Settings.ini";  // the directory is made on demand
    ASSERT_TRUE(WriteSettingsFile(path, Settings{}));
    EXPECT_EQ(ReadBytes(path), kFirstRunFile);
}

TEST_F(SettingsFileTest, RoundTripsThroughTheFileInTheConfigDirectory) {
    AppPaths paths;
    paths.configDir = dir;
    const auto path = SettingsFilePath(paths);
    EXPECT_EQ(path, dir / "Settings.ini");
    for (const Settings& s : {Settings{}, SomeSettings()}) {
        ASSERT_TRUE(WriteSettingsFile(path, s));
        const SettingsRead read = ReadSettingsFile(path);
        EXPECT_TRUE(read.Complete());
        EXPECT_EQ(read.failure, ReadFailure::None);
        EXPECT_EQ(read.settings, s);
    }
}

TEST_F(SettingsFileTest, AMissingFileReadsNothing) {
    const SettingsRead read = ReadSettingsFile(dir / "Settings.ini");
    EXPECT_EQ(read.failure, ReadFailure::CannotOpen);
    EXPECT_EQ(read.linesRead, 0);
    EXPECT_EQ(read.FailedLine(), 1);
    EXPECT_EQ(read.settings, Settings{});
}

TEST(SettingsReadTest, StopsAtTheFirstFailureKeepingTheLinesBefore) {
    const std::string full = SettingsText(SomeSettings());
    const std::tuple<std::string, int, ReadFailure> cases[] = {
        {"", 0, ReadFailure::MissingValue},
        {WithLine(full, 11, "99999"), 10, ReadFailure::OutOfRange},
        {WithLine(full, 1, "-40000"), 0, ReadFailure::OutOfRange},
        {full.substr(0, full.find("\r\n") + 2), 1, ReadFailure::MissingValue},
        {full.substr(0, full.size() - 6), 13, ReadFailure::MissingValue},
        {WithLine(full, 7, "30"), 6, ReadFailure::OffTheNeck},
        {WithLine(full, 5, "25"), 4, ReadFailure::OffTheNeck},
        {WithLine(full, 10, "-2"), 9, ReadFailure::OffTheNeck},
    };
    for (const auto& [text, linesRead, failure] : cases) {
        const SettingsRead read = ReadText(text);
        EXPECT_EQ(read.linesRead, linesRead) << text;
        EXPECT_EQ(read.failure, failure) << text;
        EXPECT_EQ(read.FailedLine(), linesRead + 1);
        EXPECT_FALSE(read.Complete());
        EXPECT_TRUE(read.Has(linesRead));
        EXPECT_FALSE(read.Has(linesRead + 1));
    }
    // The ten lines before a bad line 11 are in force, the rest keep their defaults.
    Settings expected = SomeSettings();
    expected.neckPosition = 0;
    expected.nameIndex = 0;
    expected.rootIndex = -1;
    expected.typeIndex = -1;
    EXPECT_EQ(ReadText(WithLine(full, 11, "99999")).settings, expected);
}

TEST(SettingsReadTest, TakesEachLineByItsMeaning) {
    const std::string base = kFirstRunFile;
    struct Case {
        int line;
        const char* value;
        Settings expected;
    };
    const auto with = [](auto change) {
        Settings s;
        change(s);
        return s;
    };
    const Case cases[] = {
        {kLineNumFrets, "3", with([](Settings& s) { s.numFrets = 5; })},
        {kLineNumFrets, "7", with([](Settings& s) { s.numFrets = 7; })},
        {kLineToolTips, "-1", with([](Settings& s) { s.toolTips = true; })},
        {kLineToolTips, "5", with([](Settings& s) { s.toolTips = true; })},
        {kLineAllStrings, "1", with([](Settings& s) { s.allStrings = true; })},
        {kLineFlats, "0", with([](Settings& s) { s.flats = false; })},
        {kLineFlats, "1", with([](Settings& s) { s.flats = false; })},  // only -1 means flats
        {kLineFlats, "-1.4", with([](Settings&) {})},
        {kLineFret0 + 5, "-1", with([](Settings& s) { s.frets[5] = -1; })},
        {kLineNeckPosition, "13", with([](Settings& s) { s.neckPosition = 13; })},
        {kLineTypeIndex, "2.5", with([](Settings& s) { s.typeIndex = 2; })},
    };
    for (const Case& c : cases) {
        const SettingsRead read = ReadText(WithLine(base, c.line, c.value));
        EXPECT_TRUE(read.Complete()) << c.line << ": " << c.value;
        EXPECT_EQ(read.settings, c.expected) << c.line << ": " << c.value;
    }
}

TEST_F(SettingsFileTest, AFailedWriteKeepsTheOldFile) {
    const auto path = dir / "Settings.ini";
    WriteBytes(path, kFirstRunFile);
    EXPECT_FALSE(WriteSettingsFile(dir / "Settings.ini" / "x", SomeSettings()));
    EXPECT_EQ(ReadBytes(path), kFirstRunFile);
    EXPECT_EQ(FileCount(), 1u);
}

}  // namespace
}  // namespace fretwise::test
