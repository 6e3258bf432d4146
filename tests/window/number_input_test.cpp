#include "window/number_input.hpp"

#include <gtest/gtest.h>

namespace fretwise::test {
namespace {

TEST(NumberInput, WholeTextMustBeANumber) {
    const struct {
        const char* text;
        std::optional<double> value;
    } cases[] = {{"12", 12.0},          {" 7 ", 7.0},          {"7.5", 7.5},
                 {"-3", -3.0},          {"+20", 20.0},         {".5", 0.5},
                 {"5.", 5.0},           {"1e1", 10.0},         {"", std::nullopt},
                 {" ", std::nullopt},   {"abc", std::nullopt}, {"12abc", std::nullopt},
                 {"1 2", std::nullopt}, {"-", std::nullopt},   {".", std::nullopt},
                 {"1e", std::nullopt},  {"inf", std::nullopt}, {"nan", std::nullopt},
                 {"0x10", std::nullopt}};
    for (const auto& c : cases) {
        EXPECT_EQ(ParseTypedNumber(c.text), c.value) << '"' << c.text << '"';
    }
}

}  // namespace
}  // namespace fretwise::test
