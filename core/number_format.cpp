#include "core/number_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

namespace tensorium {
namespace {

constexpr int kSignificantDigits = 15;

// The exact decimal expansion of |value| (> 0, finite): digits d0.d1d2... and
// the decimal exponent of d0. A double's expansion has at most 767 significant
// digits, so this precision is exact and the rounding below sees true ties.
struct DecimalDigits {
    std::string digits;
    int exponent = 0;
};

// std::to_chars never consults the C library's locale (the toolkit sets
// LC_NUMERIC from the environment, and printf would then write a comma).
DecimalDigits ExactDigits(double magnitude)
{
    static thread_local std::vector<char> buffer(1200);
    // 770 digits, a point and an exponent of at most four characters fit.
    const char* end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                    std::chars_format::scientific, 770)
                          .ptr;
    const std::string_view text(buffer.data(), static_cast<size_t>(end - buffer.data()));
    const size_t e = text.find('e');
    DecimalDigits result;
    result.digits.reserve(772);
    for (size_t i = 0; i < e; ++i)
        if (text[i] != '.') result.digits.push_back(text[i]);
    std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(),
                    result.exponent);
    return result;
}

// Keeps `count` leading digits (count may be 0 or negative: nothing kept),
// rounding half away from zero; a carry raises the exponent.
DecimalDigits RoundToDigits(DecimalDigits d, int count)
{
    if (count < 0) {
        d.digits.clear();
        return d;
    }
    const bool roundUp = static_cast<size_t>(count) < d.digits.size() && d.digits[count] >= '5';
    d.digits.resize(std::min(d.digits.size(), static_cast<size_t>(count)));
    if (roundUp) {
        int i = count - 1;
        while (i >= 0 && d.digits[i] == '9') d.digits[i--] = '0';
        if (i >= 0) {
            ++d.digits[i];
        } else {
            // All nines (or nothing kept): 0.96 -> 1.0, 0.0006 -> 0.001.
            d.digits.insert(d.digits.begin(), '1');
            if (count > 0) d.digits.pop_back();
            ++d.exponent;
        }
    }
    return d;
}

bool AllZero(const std::string& digits)
{
    return std::all_of(digits.begin(), digits.end(), [](char c) { return c == '0'; });
}

std::string Grouped(const std::string& integerDigits, const std::string& separator)
{
    std::string out;
    const size_t n = integerDigits.size();
    for (size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) out += separator;
        out += integerDigits[i];
    }
    return out;
}

std::string Scientific(bool negative, DecimalDigits d, const NumberSeparators& separators)
{
    d = RoundToDigits(d, kSignificantDigits);
    while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
    std::string out = negative ? "-" : "";
    out += d.digits[0];
    if (d.digits.size() > 1) out += separators.decimal + d.digits.substr(1);
    out += "E" + std::to_string(d.exponent);
    return out;
}

}  // namespace

std::string FormatNumber(double value, int decimals, const NumberSeparators& separators)
{
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    decimals = std::clamp(decimals, 0, 30);
    const bool negative = std::signbit(value);

    DecimalDigits d;
    if (value != 0) {
        // Round to 15 significant digits first, so that binary noise below
        // them never decides a decimal tie (-0.0495 held as -0.04949999...
        // still rounds to -0.050), then down to the last decimal.
        d = RoundToDigits(ExactDigits(std::fabs(value)), kSignificantDigits);
        d = RoundToDigits(d, std::min(kSignificantDigits, d.exponent + 1 + decimals));
    }
    const bool isZero = AllZero(d.digits);
    if (isZero) {
        d.digits = "0";
        d.exponent = 0;
    }

    if (d.exponent + 1 > kSignificantDigits) return Scientific(negative, d, separators);

    // Lay the kept digits out around the decimal point; digits beyond the
    // 15th significant one are shown as zeros.
    std::string integerPart, fraction;
    const int size = static_cast<int>(d.digits.size());
    for (int position = std::max(d.exponent, 0); position >= -decimals; --position) {
        const int index = d.exponent - position;
        const char digit = (index >= 0 && index < size) ? d.digits[index] : '0';
        (position >= 0 ? integerPart : fraction) += digit;
    }

    std::string out = (negative && !isZero) ? "-" : "";
    out += Grouped(integerPart, separators.thousands);
    if (decimals > 0) out += separators.decimal + fraction;
    return out;
}

}  // namespace tensorium
