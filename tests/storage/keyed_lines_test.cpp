#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "storage/setting_key.hpp"
#include "storage/settings_file.hpp"

namespace fretwise::test {
namespace {

constexpr SettingKey<bool> kFlag = TruthKey("Flag");
constexpr SettingKey<int> kCount = WholeKey<-2, 12>("Count", 3);

const std::string kClassicLines = SettingsText(Settings{});

struct Values {
    bool flag;
    int count;
    bool operator==(const Values&) const = default;
};

Settings ReadText(const std::string& text) {
    std::istringstream in(text);
    return ReadSettings(in).settings;
}

Values ValuesOf(const Settings& s) {
    return {KeyedValue(s.keyed, kFlag), KeyedValue(s.keyed, kCount)};
}

Settings WithValues(Values v) {
    Settings s;
    SetKeyedValue(s.keyed, kCount, v.count);
    SetKeyedValue(s.keyed, kFlag, v.flag);
    return s;
}

TEST(KeyedLinesTest, DefaultsWriteNoLineSoTheClassicFileStaysByteForByte) {
    EXPECT_EQ(SettingsText(WithValues({false, 3})), kClassicLines);
    Settings s = WithValues({true, 12});
    EXPECT_EQ(SettingsText(s), kClassicLines + "Count=12\r\nFlag=true\r\n");
    SetKeyedValue(s.keyed, kCount, 3);  // back to the default: the line goes
    EXPECT_EQ(SettingsText(s), kClassicLines + "Flag=true\r\n");
}

TEST(KeyedLinesTest, ValuesRoundTripThroughTheFile) {
    for (const Values v :
         {Values{false, 3}, Values{true, -2}, Values{false, 12}, Values{true, 0}}) {
        const Settings written = WithValues(v);
        const Settings read = ReadText(SettingsText(written));
        EXPECT_EQ(read, written);
        EXPECT_EQ(ValuesOf(read), v);
    }
}

TEST(KeyedLinesTest, EachKeyFallsBackToItsDefaultAlone) {
    const std::pair<const char*, Values> cases[] = {
        {"", {false, 3}},  // an older file
        {"Flag=true\r\nCount=7\r\n", {true, 7}},
        {"Count=7\nFlag=true", {true, 7}},  // LF ends, no end at the last line
        {"Count=7\rFlag=true\r", {true, 7}},
        {"  Count = 7 \r\nFlag\t=true\r\n", {true, 7}},
        {"Unknown=5\r\nFlag=true\r\nflag=false\r\n", {true, 3}},  // keys are case-sensitive
        {"Flag=yes\r\nCount=7\r\n", {false, 7}},
        {"Flag=-1\r\nCount=13\r\n", {false, 3}},
        {"Count=-3\r\n", {false, 3}},
        {"Count=7.5\r\nFlag=TRUE\r\n", {false, 3}},
        {"Count=\r\nFlag\r\n=true\r\n", {false, 3}},
        {"Count=99999999999999999999\r\n", {false, 3}},
        {"Count=5\r\nCount=8\r\n", {false, 8}},  // the later line wins
        {"Count=5\r\nCount=x\r\n", {false, 3}},
        {"Flag=true\r\nCount=7\r\nFlag=false\r\n", {false, 7}},
    };
    for (const auto& [lines, expected] : cases) {
        EXPECT_EQ(ValuesOf(ReadText(kClassicLines + lines)), expected) << lines;
    }
}

TEST(KeyedLinesTest, AreReadOnlyAfterTheFourteenClassicValues) {
    const std::string thirteen = kClassicLines.substr(0, kClassicLines.rfind("-1"));
    EXPECT_EQ(ValuesOf(ReadText(thirteen + "Count=7\r\n")), (Values{false, 3}));
    // The last classic value ends at a comma; the rest of its line is a keyed line.
    EXPECT_EQ(ValuesOf(ReadText(thirteen + "-1,Count=7\r\n")), (Values{false, 7}));
}

TEST(KeyedLinesTest, LongLinesAndManyKeysCostNoMemory) {
    const std::string longValue(KeyedLines::kMaxLineLength, '1');
    EXPECT_EQ(ValuesOf(ReadText(kClassicLines + "Count=" + longValue + "\r\nCount=4")),
              (Values{false, 4}));
    std::string many;
    for (std::size_t i = 0; i < KeyedLines::kMaxKeys; ++i) {
        many += "K" + std::to_string(i) + "=1\n";
    }
    EXPECT_EQ(ValuesOf(ReadText(kClassicLines + many + "Count=4\nK0=2")), (Values{false, 3}));
    EXPECT_EQ(ReadText(kClassicLines + many + "K0=2").keyed.Text("K0"), "2");
}

TEST(KeyedLinesTest, TextsThatWouldBreakTheFileAreNotSet) {
    KeyedLines lines;
    for (const char* key : {"", "A=B", "A\nB", "A\rB"}) {
        lines.Set(key, "1");
    }
    lines.Set("A", "1\r\nB=2");
    EXPECT_EQ(lines, KeyedLines{});
}

}  // namespace
}  // namespace fretwise::test
