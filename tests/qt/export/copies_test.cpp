#include "qt/export/copies.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>

namespace fretwise::test {
namespace {

TEST(CopiesFromAnswer, TheLeadingWholeNumberFromOneToTen) {
    const std::tuple<const char*, std::optional<int>> cases[] = {
        {"1", 1},        {"10", 10},
        {"3 copies", 3}, {" 2", 2},
        {"+4", 4},       {"3.0", 3},
        {"7.", 7},       {"09", 9},
        {"2abc", 2},     {"6,5", 6},
        {"0", {}},       {"11", {}},
        {"-1", {}},      {"2.5", {}},
        {"abc", {}},     {"", {}},
        {" ", {}},       {"-", {}},
        {".", {}},       {"0.9", {}},
        {"10.5", {}},    {"100", {}},
        {"-0", {}},      {"copies 3", {}},
        {"+", {}},       {"99999999999999999999999", {}},
    };
    for (const auto& [answer, copies] : cases) {
        EXPECT_EQ(CopiesFromAnswer(answer), copies) << '"' << answer << '"';
    }
}

}  // namespace
}  // namespace fretwise::test
