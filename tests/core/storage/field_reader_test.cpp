#include "core/storage/field_reader.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "core/storage/print_form.hpp"

namespace fretwise::test {
namespace {

TEST(PrintFormTest, SpaceBeforeNonNegativeAndAfterEveryValue) {
    EXPECT_EQ(PrintForm(20), " 20 ");
    EXPECT_EQ(PrintForm(0), " 0 ");
    EXPECT_EQ(PrintForm(-1), "-1 ");
    EXPECT_EQ(PrintForm(-32768), "-32768 ");
    std::string text;
    AppendPrintLine(text, 6);
    AppendPrintLine(text, -1);
    EXPECT_EQ(text, " 6 \r\n-1 \r\n");
}

// The number at the start of a field: without one ("abc", an empty line or one of spaces) it
// is 0; the rest of the field is ignored, a space ends the digits, a sign must touch them, no
// exponent or hexadecimal, only spaces are skipped; halves round to even.
TEST(FieldReaderTest, TakesTheFieldAsANumber) {
    using Numbers = std::vector<std::pair<std::string, int>>;
    const Numbers numbers = {
        {" 20 \r\n", 20}, {"-1 \r\n", -1}, {"    7", 7}, {"+12", 12}, {"abc", 0},   {"\r\n", 0},
        {"   \r\n", 0},   {"12abc", 12},   {"1 2", 1},   {"- 5", 0},  {"--5", 0},   {"5-", 5},
        {"1.5.9", 2},     {".7", 1},       {"-", 0},     {".", 0},    {"1e3", 1},   {"0x1F", 0},
        {"\t5", 0},       {"2.5", 2},      {"3.5", 4},   {"0.5", 0},  {"1.5", 2},   {"-2.5", -2},
        {"-3.5", -4},     {"-0.5", 0},     {"2.51", 3},  {"2.6", 3},  {"-2.6", -3}, {"7.", 7},
    };
    const Numbers longer = {
        {"32767", 32767},
        {"-32768", -32768},
        {"32767.4", 32767},
        {"-32768.5", -32768},
        {"2.50000000000001", 3},
        {"2.4999999999", 2},
        {"0000000000000000000000000000042", 42},
    };
    for (const Numbers* table : {&numbers, &longer}) {
        for (const auto& [text, value] : *table) {
            std::istringstream in(text);
            const FieldReader::Value got = FieldReader(in).Next();
            EXPECT_TRUE(got.Ok()) << testing::PrintToString(text);
            EXPECT_EQ(got.value, value) << testing::PrintToString(text);
        }
    }
    // The 16-bit range, after rounding.
    for (const char* outside :
         {"32767.5", "32768", "-32768.6", "-32769", "40000", "99999999999999999999999999"}) {
        std::istringstream in(outside);
        EXPECT_EQ(FieldReader(in).Next().failure, ReadFailure::OutOfRange) << outside;
    }
}

std::vector<int> ReadAllValues(const std::string& text, ReadFailure& end) {
    std::istringstream in(text);
    FieldReader reader(in);
    std::vector<int> values;
    for (FieldReader::Value v = reader.Next();; v = reader.Next()) {
        if (!v.Ok()) {
            end = v.failure;
            return values;
        }
        values.push_back(v.value);
    }
}

TEST(FieldReaderTest, FieldsEndAtLineEndsAndCommas) {
    const std::tuple<std::string, std::vector<int>> cases[] = {
        {" 1 \r\n 2 \r\n", {1, 2}},
        {"1\n2\n3", {1, 2, 3}},                   // bare LF, and a last line without an end
        {"1\r2\r\n3", {1, 2, 3}},                 // bare CR
        {"1,2, 3\r\n4", {1, 2, 3, 4}},            // commas separate fields within a line
        {"1\r\n\r\n3\r\n", {1, 0, 3}},            // an empty line is a field without a number
        {std::string("1\0002\r\n3", 6), {1, 3}},  // a NUL byte is ordinary field text
    };
    for (const auto& [text, values] : cases) {
        ReadFailure end = ReadFailure::None;
        EXPECT_EQ(ReadAllValues(text, end), values) << text;
        EXPECT_EQ(end, ReadFailure::MissingValue) << text;
    }
}

TEST(FieldReaderTest, AFailureSticks) {
    std::istringstream in("1\r\n99999\r\n3\r\n");
    FieldReader reader(in);
    EXPECT_EQ(reader.Next().value, 1);
    EXPECT_EQ(reader.Next().failure, ReadFailure::OutOfRange);
    EXPECT_EQ(reader.Next().failure, ReadFailure::OutOfRange);
}

}  // namespace
}  // namespace fretwise::test
