#include "core/number_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace tensorium {
namespace {

const NumberSeparators kEnglish{".", ","};
const NumberSeparators kGerman{",", "."};

struct FormatCase {
    double value;
    int decimals;
    const char* text;
};

void PrintTo(const FormatCase& c, std::ostream* os) { *os << c.value << "/" << c.decimals; }

class FormatNumberEnglish : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatNumberEnglish, ShowsTheRoundedFixedPointText)
{
    const FormatCase& c = GetParam();
    EXPECT_EQ(FormatNumber(c.value, c.decimals, kEnglish), c.text) << c.value;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormatNumberEnglish,
    testing::Values(
        // The examples of the window's formats.
        FormatCase{1234.5678, 3, "1,234.568"}, FormatCase{0.0625, 3, "0.063"},
        FormatCase{-0.000002, 3, "0.000"}, FormatCase{-0.5, 6, "-0.500000"}, FormatCase{-0.0, 6, "0.000000"},
        FormatCase{45, 2, "45.00"}, FormatCase{8.793647, 3, "8.794"}, FormatCase{8793.647, 3, "8,793.647"},
        // Exact binary ties round away from zero, not to even.
        FormatCase{0.125, 2, "0.13"}, FormatCase{-0.125, 2, "-0.13"}, FormatCase{2.5, 0, "3"},
        // A tie is decided on the 15 significant digits: 2.0005 is held as
        // 2.000499999999999989..., yet rounds as written; 14 nines do not tie.
        FormatCase{2.0005, 3, "2.001"}, FormatCase{-0.0655 + 0.016, 3, "-0.050"},
        FormatCase{2.00049999999999, 3, "2.000"}, FormatCase{1.0000000000000049, 6, "1.000000"},
        // Rounding that carries into a new digit or a new group.
        FormatCase{999.9996, 3, "1,000.000"}, FormatCase{0.96, 1, "1.0"}, FormatCase{0.0006, 3, "0.001"},
        FormatCase{0.0004, 3, "0.000"}, FormatCase{-0.0005, 3, "-0.001"},
        // Zero, small and large integers, grouping boundaries.
        FormatCase{0, 3, "0.000"}, FormatCase{0, 0, "0"}, FormatCase{999, 3, "999.000"},
        FormatCase{1000, 0, "1,000"}, FormatCase{-1234567, 2, "-1,234,567.00"},
        FormatCase{1e3, 3, "1,000.000"},
        // Only 15 significant digits: the rest print as zeros.
        FormatCase{123456789012.3456, 6, "123,456,789,012.346000"},
        FormatCase{0.1, 20, "0.10000000000000000000"},
        FormatCase{999999999999999.0, 3, "999,999,999,999,999.000"},
        // More than 15 integer digits: scientific notation.
        FormatCase{1e15, 3, "1E15"}, FormatCase{1.5e20, 3, "1.5E20"}, FormatCase{-1.25e300, 3, "-1.25E300"},
        FormatCase{9999999999999999.0, 3, "1E16"},
        FormatCase{std::numeric_limits<double>::max(), 3, "1.79769313486232E308"},
        // Tiny values round to zero without a sign.
        FormatCase{-1e-300, 3, "0.000"}, FormatCase{5e-324, 6, "0.000000"}));

TEST(FormatNumber, UsesTheRegionalSeparators)
{
    EXPECT_EQ(FormatNumber(1234.5678, 3, kGerman), "1.234,568");
    EXPECT_EQ(FormatNumber(1.5e20, 3, kGerman), "1,5E20");
    // A multi-byte separator such as the narrow no-break space.
    EXPECT_EQ(FormatNumber(-1234567.891, 2, {",", "\u202f"}), "-1\u202f234\u202f567,89");
}

TEST(FormatNumber, LeavesOutTheGroupingWhenAskedTo)
{
    EXPECT_EQ(FormatNumber(12345.678, 3, {".", ""}), "12345.678");
}

TEST(FormatNumber, NamesNonFiniteValues)
{
    EXPECT_EQ(FormatNumber(std::nan(""), 3, kEnglish), "NAN");
    EXPECT_EQ(FormatNumber(-HUGE_VAL, 3, kEnglish), "-INF");
}

}  // namespace
}  // namespace tensorium
