#include "core/storage/whole_number.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <string_view>
#include <utility>

namespace fretwise::test {
namespace {

// Digits with an optional minus sign and nothing else; beyond int is no number.
TEST(WholeNumberTest, ReadsOnlyTheWholeTextAsDigits) {
    const std::pair<std::string_view, std::optional<int>> cases[] = {
        {"0", 0},
        {"20", 20},
        {"-1", -1},
        {"007", 7},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"2147483648", std::nullopt},
        {"", std::nullopt},
        {"-", std::nullopt},
        {"+3", std::nullopt},
        {" 3", std::nullopt},
        {"3 ", std::nullopt},
        {"3x", std::nullopt},
        {"1.0", std::nullopt},
        {"1e3", std::nullopt},
        {"0x1F", std::nullopt},
        {"--2", std::nullopt},
    };
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(ReadWholeNumber(text), value) << text;
    }
}

TEST(WholeNumberTest, KeepsToTheRangeGiven) {
    EXPECT_EQ(ReadWholeNumber("5", 5, 20), 5);
    EXPECT_EQ(ReadWholeNumber("20", 5, 20), 20);
    EXPECT_EQ(ReadWholeNumber("4", 5, 20), std::nullopt);
    EXPECT_EQ(ReadWholeNumber("21", 5, 20), std::nullopt);
    EXPECT_EQ(ReadWholeNumber("x", 5, 20), std::nullopt);
}

}  // namespace
}  // namespace fretwise::test
