#include "storage/field_reader.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "storage/print_form.hpp"

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

struct FieldCase {
    const char* text;
    int value;
    ReadFailure failure = ReadFailure::None;
};

void PrintTo(const FieldCase& c, std::ostream* out) {
    *out << '"';
    for (const char* p = c.text; *p != '\0'; ++p) {
        *out << (*p == '\r' ? "\\r" : *p == '\n' ? "\\n" : std::string(1, *p));
    }
    *out << '"';
}

class OneFieldTest : public ::testing::TestWithParam<FieldCase> {};

TEST_P(OneFieldTest, TakesTheFieldAsANumber) {
    std::istringstream in(GetParam().text);
    FieldReader reader(in);
    const FieldReader::Value got = reader.Next();
    EXPECT_EQ(got.failure, GetParam().failure);
    if (got.Ok()) {
        EXPECT_EQ(got.value, GetParam().value);
    }
}

INSTANTIATE_TEST_SUITE_P(
    PrefixRule, OneFieldTest,
    ::testing::Values(FieldCase{" 20 \r\n", 20}, FieldCase{"-1 \r\n", -1}, FieldCase{"    7", 7},
                      FieldCase{"+12", 12}, FieldCase{"abc", 0},  // no number at all
                      FieldCase{"\r\n", 0},     // an empty line holds no number either
                      FieldCase{"   \r\n", 0},  // nor does a line of spaces
                      FieldCase{"12abc", 12},   // the rest of the field is ignored
                      FieldCase{"1 2", 1},      // a space ends the digits
                      FieldCase{"- 5", 0},      // a sign must touch its digits
                      FieldCase{"--5", 0}, FieldCase{"5-", 5}, FieldCase{"1.5.9", 2},
                      FieldCase{".7", 1}, FieldCase{"-", 0}, FieldCase{".", 0},
                      FieldCase{"1e3", 1},   // no exponent
                      FieldCase{"0x1F", 0},  // no hexadecimal
                      FieldCase{"\t5", 0},   // only spaces are skipped
                      FieldCase{"0000000000000000000000000000042", 42}));

INSTANTIATE_TEST_SUITE_P(HalvesToEven, OneFieldTest,
                         ::testing::Values(FieldCase{"2.5", 2}, FieldCase{"3.5", 4},
                                           FieldCase{"0.5", 0}, FieldCase{"1.5", 2},
                                           FieldCase{"-2.5", -2}, FieldCase{"-3.5", -4},
                                           FieldCase{"-0.5", 0}, FieldCase{"2.50000000000001", 3},
                                           FieldCase{"2.4999999999", 2}, FieldCase{"2.51", 3},
                                           FieldCase{"2.6", 3}, FieldCase{"-2.6", -3},
                                           FieldCase{"7.", 7}));

INSTANTIATE_TEST_SUITE_P(
    SixteenBitRange, OneFieldTest,
    ::testing::Values(FieldCase{"32767", 32767}, FieldCase{"-32768", -32768},
                      FieldCase{"32767.4", 32767}, FieldCase{"-32768.5", -32768},
                      FieldCase{"32767.5", 0, ReadFailure::OutOfRange},
                      FieldCase{"32768", 0, ReadFailure::OutOfRange},
                      FieldCase{"-32768.6", 0, ReadFailure::OutOfRange},
                      FieldCase{"-32769", 0, ReadFailure::OutOfRange},
                      FieldCase{"40000", 0, ReadFailure::OutOfRange},
                      FieldCase{"99999999999999999999999999", 0, ReadFailure::OutOfRange}));

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
