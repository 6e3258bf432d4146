#include "window/number_input.hpp"

#include <gtest/gtest.h>

namespace fretwise::test {
namespace {

TEST(NumberInput, WholeTextMustBeANumber) {
    const std::tuple<const char*, std::optional<double>> cases[] = {
        {"12", 12.0},          {" 7 ", 7.0},          {"7.5", 7.5},
        {"-3", -3.0},          {"+20", 20.0},         {".5", 0.5},
        {"5.", 5.0},           {"1e1", 10.0},         {"", std::nullopt},
        {" ", std::nullopt},   {"abc", std::nullopt}, {"12abc", std::nullopt},
        {"1 2", std::nullopt}, {"-", std::nullopt},   {".", std::nullopt},
        {"1e", std::nullopt},  {"inf", std::nullopt}, {"nan", std::nullopt},
        {"0x10", std::nullopt}};
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(ParseTypedNumber(text), value) << '"' << text << '"';
    }
}

}  // namespace
}  // namespace fretwise::test
