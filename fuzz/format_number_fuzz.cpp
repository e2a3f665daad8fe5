// Showing numbers. Bytes 0-7 are the value (any bit pattern), byte 8 the
// requested decimals (-3..33, beyond 0..30 clamped), byte 9 the regional
// separators; shorter inputs are padded with zero bytes. FormatNumber must
// give exactly the rounded text derived here from the exact decimal expansion,
// and that text must read back within half a unit of its last kept digit.
#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/number_format.h"
#include "core/number_parse.h"
#include "core/tensor_error.h"
#include "fuzz/fuzz_check.h"

namespace {

using tensorium::FormatNumber;
using tensorium::NumberSeparators;

// English, ungrouped, German, French (narrow no-break space), Swiss, and a
// plain space as thousands separator.
const NumberSeparators kStyles[] = {{".", ","}, {".", ""}, {",", "."}, {",", "\xE2\x80\xAF"},
                                    {".", "'"}, {",", " "}};
constexpr int kStyleCount = sizeof kStyles / sizeof kStyles[0];

constexpr int kSignificantDigits = 15;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string Grouped(const std::string& digits, const std::string& separator)
{
    std::string out = digits;
    for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3) out.insert(i, separator);
    return out;
}

// The exact decimal expansion of |value|: printf writes every digit exactly
// when asked for more decimals (1100) than a double can have (1074).
struct Expansion {
    std::string digits;    // digits[i] has the place value 10^(integerCount - 1 - i)
    int integerCount = 0;  // digits before the point
};

Expansion ExactExpansion(double magnitude)
{
    static char buffer[1500];
    const int length = std::snprintf(buffer, sizeof buffer, "%.1100f", magnitude);
    FUZZ_CHECK(length > 0 && length < static_cast<int>(sizeof buffer));
    Expansion e;
    e.digits.assign(buffer, static_cast<size_t>(length));
    const size_t point = e.digits.find('.');
    FUZZ_CHECK(point != std::string::npos);
    e.digits.erase(point, 1);
    e.integerCount = static_cast<int>(point);
    return e;
}

// Cuts the expansion after `cut` digits, rounding half away from zero; a
// carry out of the leading digit adds an integer digit.
void RoundAt(Expansion& e, int cut)
{
    std::string& digits = e.digits;
    if (cut >= static_cast<int>(digits.size())) return;
    const bool roundUp = digits[static_cast<size_t>(cut)] >= '5';
    digits.resize(static_cast<size_t>(cut));
    if (!roundUp) return;
    int i = cut - 1;
    while (i >= 0 && digits[static_cast<size_t>(i)] == '9') digits[static_cast<size_t>(i--)] = '0';
    if (i >= 0) {
        ++digits[static_cast<size_t>(i)];
    } else {
        digits.insert(0, "1");
        ++e.integerCount;
    }
}

// The text FormatNumber should give for a finite value: first rounded to 15
// significant digits (so that a decimal tie is decided on them), then at the
// last decimal.
std::string ExpectedText(double value, int decimals, const NumberSeparators& style)
{
    Expansion e = ExactExpansion(std::fabs(value));
    std::string& digits = e.digits;
    const size_t firstNonzero = digits.find_first_not_of('0');
    if (firstNonzero != std::string::npos) {
        RoundAt(e, static_cast<int>(firstNonzero) + kSignificantDigits);
        const size_t lead = digits.find_first_not_of('0');
        RoundAt(e, std::min(e.integerCount + decimals, static_cast<int>(lead) + kSignificantDigits));
    } else {
        RoundAt(e, e.integerCount + decimals);
    }
    digits.append(static_cast<size_t>(e.integerCount + decimals) - digits.size(), '0');

    const size_t lead = digits.find_first_not_of('0');
    const bool zero = lead == std::string::npos;
    const std::string sign = std::signbit(value) && !zero ? "-" : "";
    std::string integerPart = digits.substr(0, static_cast<size_t>(e.integerCount));
    integerPart.erase(0, std::min(integerPart.find_first_not_of('0'), integerPart.size() - 1));

    if (static_cast<int>(integerPart.size()) > kSignificantDigits) {
        std::string significant = digits.substr(lead);
        const int exponent = e.integerCount - 1 - static_cast<int>(lead);
        significant.erase(significant.find_last_not_of('0') + 1);
        std::string text = sign + significant[0];
        if (significant.size() > 1) text += style.decimal + significant.substr(1);
        return text + "E" + std::to_string(exponent);
    }
    std::string text = sign + Grouped(integerPart, style.thousands);
    if (decimals > 0) text += style.decimal + digits.substr(static_cast<size_t>(e.integerCount));
    return text;
}

// Reads `count` digits (or, with count < 0, one or more) at `i`.
bool ReadDigits(const std::string& text, size_t& i, int count, std::string& out)
{
    const size_t start = i;
    const size_t limit = count < 0 ? text.size() : start + static_cast<size_t>(count);
    while (i < text.size() && i < limit && IsDigit(text[i])) out += text[i++];
    return count < 0 ? i > start : i - start == static_cast<size_t>(count);
}

bool StartsWithAt(const std::string& text, size_t i, const std::string& part)
{
    return !part.empty() && text.compare(i, part.size(), part) == 0;
}

// The fixed-point text on its own terms: sign, integer part in groups of
// three, exactly `decimals` decimals, and its value back within half a unit
// of the last kept digit.
void CheckFixed(const std::string& text, double value, int decimals, const NumberSeparators& style,
                int exponent)
{
    size_t i = 0;
    const bool minus = !text.empty() && text[0] == '-';
    if (minus) ++i;
    std::string integerDigits, fraction;
    if (style.thousands.empty()) {
        FUZZ_CHECK(ReadDigits(text, i, -1, integerDigits));
    } else {
        const size_t start = i;
        FUZZ_CHECK(ReadDigits(text, i, -1, integerDigits));
        FUZZ_CHECK(i - start <= 3);
        while (StartsWithAt(text, i, style.thousands)) {
            i += style.thousands.size();
            FUZZ_CHECK(ReadDigits(text, i, 3, integerDigits));
            FUZZ_CHECK(i == text.size() || !IsDigit(text[i]));
        }
    }
    FUZZ_CHECK(integerDigits.size() <= static_cast<size_t>(kSignificantDigits));
    FUZZ_CHECK(integerDigits == "0" || integerDigits[0] != '0');
    if (decimals > 0) {
        FUZZ_CHECK(StartsWithAt(text, i, style.decimal));
        i += style.decimal.size();
        FUZZ_CHECK(ReadDigits(text, i, decimals, fraction));
    }
    FUZZ_CHECK(i == text.size());

    const bool nonzero = (integerDigits + fraction).find_first_not_of('0') != std::string::npos;
    FUZZ_CHECK(minus == (std::signbit(value) && nonzero));

    const double read = tensorium::ParseNumber((minus ? "-" : "") + integerDigits + "." + fraction, ".");
    const double unit = std::pow(10.0, std::max(-decimals, exponent - (kSignificantDigits - 1)));
    // Rounding to 15 significant digits first may move the value by half a
    // unit of the 15th digit before the cut at the last decimal.
    const double tolerance = 0.5 * unit * (1 + 1e-9) +
                             0.5 * std::pow(10.0, exponent - (kSignificantDigits - 1)) +
                             std::fabs(value) * DBL_EPSILON + DBL_TRUE_MIN;
    FUZZ_CHECK(std::fabs(read - value) <= tolerance);
}

// The scientific text: at most 15 significant digits without trailing zeros,
// an exponent of at least 15, and its value within half a unit of the 15th
// digit (read as long double: the rounded DBL_MAX lies beyond the double range).
void CheckScientific(const std::string& text, double value, const NumberSeparators& style, int exponent)
{
    size_t i = 0;
    const bool minus = !text.empty() && text[0] == '-';
    if (minus) ++i;
    FUZZ_CHECK(minus == static_cast<bool>(std::signbit(value)));
    std::string mantissa, fraction, power;
    FUZZ_CHECK(ReadDigits(text, i, 1, mantissa) && mantissa != "0");
    if (StartsWithAt(text, i, style.decimal)) {
        i += style.decimal.size();
        FUZZ_CHECK(ReadDigits(text, i, -1, fraction) && fraction.back() != '0');
        FUZZ_CHECK(fraction.size() <= static_cast<size_t>(kSignificantDigits - 1));
    }
    FUZZ_CHECK(i < text.size() && text[i] == 'E');
    ++i;
    FUZZ_CHECK(ReadDigits(text, i, -1, power) && power[0] != '0' && i == text.size());
    FUZZ_CHECK(std::atoi(power.c_str()) >= kSignificantDigits);

    const std::string c = mantissa + "." + fraction + "e" + power;
    const long double read = std::strtold(c.c_str(), nullptr);
    const long double unit = std::pow(10.0L, exponent - (kSignificantDigits - 1));
    const long double magnitude = std::fabs(static_cast<long double>(value));
    FUZZ_CHECK(std::fabs(read - magnitude) <= 0.5L * unit * (1 + 1e-9L) + magnitude * 1e-18L);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    uint8_t bytes[10] = {};
    if (size > 0) std::memcpy(bytes, data, std::min(size, sizeof bytes));  // data may be null when empty
    double value;
    std::memcpy(&value, bytes, sizeof value);
    const int requested = bytes[8] % 37 - 3;
    const int decimals = std::clamp(requested, 0, 30);
    const NumberSeparators& style = kStyles[bytes[9] % kStyleCount];

    const std::string text = FormatNumber(value, requested, style);

    if (std::isnan(value)) {
        FUZZ_CHECK_WHY(text == "NAN", text.c_str());
        return 0;
    }
    if (std::isinf(value)) {
        FUZZ_CHECK_WHY(text == (value < 0 ? "-INF" : "INF"), text.c_str());
        return 0;
    }
    FUZZ_CHECK_WHY(text == ExpectedText(value, decimals, style), text.c_str());

    // Decimal exponent of the leading digit before rounding (0 for zero).
    int exponent = 0;
    if (value != 0) {
        const Expansion e = ExactExpansion(std::fabs(value));
        exponent = e.integerCount - 1 - static_cast<int>(e.digits.find_first_not_of('0'));
    }
    // Below this the integer part keeps at most 15 digits after rounding.
    const bool scientific = std::fabs(value) >= 999999999999999.5;
    if (scientific) {
        CheckScientific(text, value, style, exponent);
    } else {
        CheckFixed(text, value, decimals, style, exponent);
    }
    return 0;
}
