#include "core/number_parse.h"

#include <locale.h>
#include <cerrno>
#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdlib>

#include "core/tensor_error.h"

namespace tensorium {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

[[noreturn]] void Reject(const std::string& text)
{
    throw TensorError("'" + text + "' is not a valid floating point value");
}

// The C locale, so that the conversion never depends on the process's
// LC_NUMERIC (the toolkit sets it from the environment).
locale_t CLocale()
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return c;
}

}  // namespace

double ParseNumber(const std::string& text, const std::string& decimalSeparator)
{
    // Validate the grammar and rewrite the number in the C form "I.FeX".
    size_t i = 0;
    const size_t n = text.size();
    while (i < n && text[i] == ' ') ++i;
    std::string canonical;
    if (i < n && (text[i] == '+' || text[i] == '-')) canonical += text[i++];

    std::string integerDigits, fractionDigits;
    while (i < n && IsDigit(text[i])) integerDigits += text[i++];
    bool hasSeparator = false;
    if (!decimalSeparator.empty() && text.compare(i, decimalSeparator.size(), decimalSeparator) == 0) {
        hasSeparator = true;
        i += decimalSeparator.size();
        while (i < n && IsDigit(text[i])) fractionDigits += text[i++];
    }
    if (integerDigits.empty() && fractionDigits.empty() && !hasSeparator) Reject(text);
    canonical +=
        (integerDigits.empty() ? "0" : integerDigits) + "." + (fractionDigits.empty() ? "0" : fractionDigits);

    if (i < n && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        canonical += 'e';
        if (i < n && (text[i] == '+' || text[i] == '-')) canonical += text[i++];
        const size_t firstExponentDigit = i;
        while (i < n && IsDigit(text[i])) canonical += text[i++];
        if (i == firstExponentDigit) Reject(text);
    }
    while (i < n && text[i] == ' ') ++i;
    if (i != n) Reject(text);

    // Beyond the extended range the conversion itself fails; beyond the
    // double range the value is read but cannot be stored.
    errno = 0;
    const long double extended = strtold_l(canonical.c_str(), nullptr, CLocale());
    if (errno == ERANGE && std::isinf(extended)) Reject(text);
    errno = 0;
    const double value = strtod_l(canonical.c_str(), nullptr, CLocale());
    if (std::isinf(value)) throw TensorError(kOverflowMessage);
    return value;
}

}  // namespace tensorium
