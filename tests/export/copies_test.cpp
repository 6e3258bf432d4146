#include "export/copies.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace fretwise::test {
namespace {

struct Answer {
    std::string text;
    std::optional<int> copies;
};

TEST(CopiesFromAnswer, AcceptsWholeNumbersFromOneToTenAndTheLeadingNumberOfText) {
    const Answer cases[] = {
        {"1", 1},   {"10", 10}, {"5", 5},  {"3 copies", 3}, {" 2", 2},  {"+4", 4},
        {"3.0", 3}, {"7.", 7},  {"09", 9}, {"2abc", 2},     {"6,5", 6},
    };
    for (const Answer& c : cases) {
        EXPECT_EQ(CopiesFromAnswer(c.text), c.copies) << '"' << c.text << '"';
    }
}

TEST(CopiesFromAnswer, RefusesEverythingElse) {
    const std::string refused[] = {
        "0",
        "11",
        "-1",
        "2.5",
        "abc",
        "",
        " ",
        "-",
        ".",
        "0.9",
        "10.5",
        "100",
        "99999999999999999999999",
        "-0",
        "copies 3",
        "+",
    };
    for (const std::string& text : refused) {
        EXPECT_EQ(CopiesFromAnswer(text), std::nullopt) << '"' << text << '"';
    }
}

}  // namespace
}  // namespace fretwise::test
