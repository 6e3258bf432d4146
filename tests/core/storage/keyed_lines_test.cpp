#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "core/storage/setting_key.hpp"
#include "core/storage/settings_file.hpp"

namespace fretwise::test {
namespace {

constexpr SettingKey<bool> kFlag = TruthKey("Flag");
constexpr SettingKey<int> kCount = WholeKey<-2, 12>("Count", 3);
const std::string kClassicLines = SettingsText(Settings{});

using Values = std::pair<bool, int>;

Values ValuesIn(const std::string& text) {
    std::istringstream in(text);
    const KeyedLines keyed = ReadSettings(in).settings.keyed;
    return {KeyedValue(keyed, kFlag), KeyedValue(keyed, kCount)};
}

TEST(KeyedLinesTest, OnlyValuesOtherThanTheDefaultsWriteALine) {
    Settings s;
    for (const auto& [flag, count, lines] : {std::tuple{false, 3, ""},
                                             {true, 12, "Count=12\r\nFlag=true\r\n"},
                                             {false, -2, "Count=-2\r\n"},
                                             {true, 3, "Flag=true\r\n"}}) {
        SetKeyedValue(s.keyed, kCount, count);
        SetKeyedValue(s.keyed, kFlag, flag);
        EXPECT_EQ(SettingsText(s), kClassicLines + lines);
        EXPECT_EQ(ValuesIn(SettingsText(s)), Values(flag, count));
    }
}

TEST(KeyedLinesTest, EachKeyFallsBackToItsDefaultAlone) {
    const std::string longValue(KeyedLines::kMaxLineLength, '1');
    std::string manyKeys;
    for (std::size_t i = 0; i < KeyedLines::kMaxKeys; ++i) {
        manyKeys += "K" + std::to_string(i) + "=1\n";
    }
    const std::pair<std::string, Values> cases[] = {
        {"", {false, 3}},  // an older file
        {"Count=7\nFlag=true", {true, 7}},
        {"Count=7\rFlag=true\r", {true, 7}},
        {"  Count = 7 \r\nFlag\t=true\r\n", {true, 7}},
        {"Unknown=5\r\nFlag=true\r\nflag=false\r\n", {true, 3}},  // keys are case-sensitive
        {"Flag=yes\r\nCount=7\r\n", {false, 7}},
        {"Flag=-1\r\nCount=13\r\n", {false, 3}},
        {"Count=7.5\r\nFlag=TRUE\r\n", {false, 3}},
        {"Count=\r\nFlag\r\n=true\r\n", {false, 3}},
        {"Count=5\r\nCount=8\r\n", {false, 8}},  // the later line wins
        {"Count=" + longValue + "\r\nCount=4", {false, 4}},
        {manyKeys + "Count=4\nFlag=true", {false, 3}},  // no room for more keys
    };
    for (const auto& [lines, expected] : cases) {
        EXPECT_EQ(ValuesIn(kClassicLines + lines), expected) << lines;
    }
    const std::string thirteen = kClassicLines.substr(0, kClassicLines.rfind("-1"));
    EXPECT_EQ(ValuesIn(thirteen + "Count=7\r\n"), Values(false, 3));
    // The last classic value ends at a comma; the rest of its line is a keyed line.
    EXPECT_EQ(ValuesIn(thirteen + "-1,Count=7\r\n"), Values(false, 7));
}

}  // namespace
}  // namespace fretwise::test
