#include "window/setting_keys.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <tuple>

namespace fretwise::test {
namespace {

TEST(SettingKeysTest, ReadTheWordsOfTheCommandLine) {
    const std::tuple<const char*, CreateOrder, bool> cases[] = {
        {"", CreateOrder::Classic, false},
        {"ChordOrder=guitarist\nRestTreble=true", CreateOrder::Guitarist, true},
        {"ChordOrder=classic\nRestTreble=false", CreateOrder::Classic, false},
        {"ChordOrder=Guitarist\nRestTreble=1", CreateOrder::Classic, false},
    };
    for (const auto& [text, order, rest] : cases) {
        std::istringstream in(text);
        const KeyedLines lines = ReadKeyedLines(in);
        EXPECT_EQ(KeyedValue(lines, kChordOrderKey), order) << text;
        EXPECT_EQ(KeyedValue(lines, kRestTrebleKey), rest) << text;
    }
    KeyedLines lines;
    SetKeyedValue(lines, kChordOrderKey, CreateOrder::Guitarist);
    SetKeyedValue(lines, kRestTrebleKey, true);
    std::string text;
    lines.AppendTo(text);
    EXPECT_EQ(text, "ChordOrder=guitarist\r\nRestTreble=true\r\n");
}

}  // namespace
}  // namespace fretwise::test
