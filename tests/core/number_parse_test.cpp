#include "core/number_parse.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/tensor_error.h"

namespace tensorium {
namespace {

std::string FailureOf(const std::string& text, const std::string& separator = ".")
{
    try {
        ParseNumber(text, separator);
    } catch (const TensorError& e) {
        return e.what();
    }
    return "accepted";
}

TEST(ParseNumber, ReadsTheAcceptedForms)
{
    EXPECT_EQ(ParseNumber(" 2.5 ", "."), 2.5);
    EXPECT_EQ(ParseNumber("2E3", "."), 2000);
    EXPECT_EQ(ParseNumber("2e-3", "."), 0.002);
    EXPECT_EQ(ParseNumber("+.5", "."), 0.5);
    EXPECT_EQ(ParseNumber("5.", "."), 5);
    EXPECT_EQ(ParseNumber(".", "."), 0);
    EXPECT_EQ(ParseNumber("-1", "."), -1);
    EXPECT_EQ(ParseNumber("3.4", "."), 3.4);
    EXPECT_EQ(ParseNumber("   -1.25E+02   ", "."), -125);
    EXPECT_TRUE(std::signbit(ParseNumber("-0", ".")));
    // Underflow reads as the nearest double, not as a failure.
    EXPECT_EQ(ParseNumber("1e-400", "."), 0);
}

TEST(ParseNumber, RejectsEverythingElseWithTheWholeText)
{
    for (const std::string text : {"",   " ",   "+",   "-",   "1,000", "2.5.1", "abc", "5x",  "1e",   "1e+",
                                   "e5", "\t1", "1\t", "1 2", "--1",   "0x10",  "inf", "nan", "1.5f", "１"}) {
        EXPECT_EQ(FailureOf(text), "'" + text + "' is not a valid floating point value") << text;
    }
}

TEST(ParseNumber, FollowsTheRegionalDecimalSeparator)
{
    EXPECT_EQ(ParseNumber("3,4", ","), 3.4);
    EXPECT_EQ(ParseNumber(",", ","), 0);
    EXPECT_EQ(FailureOf("3.4", ","), "'3.4' is not a valid floating point value");
    EXPECT_EQ(ParseNumber("1\u066b5", "\u066b"), 1.5);  // a multi-byte separator
}

TEST(ParseNumber, ReportsNumbersBeyondTheDoubleRange)
{
    EXPECT_EQ(FailureOf("1e400"), "Floating point overflow");
    EXPECT_EQ(FailureOf("-1e400"), "Floating point overflow");
    EXPECT_EQ(ParseNumber("1.7976931348623157e308", "."), 1.7976931348623157e308);
    // Beyond even the extended range the conversion itself fails.
    EXPECT_EQ(FailureOf("1e5000"), "'1e5000' is not a valid floating point value");
}

}  // namespace
}  // namespace tensorium
