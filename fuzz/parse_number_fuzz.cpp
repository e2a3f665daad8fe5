// Reading typed numbers. The first byte picks the decimal separator, the rest
// is the text of the input box. ParseNumber must accept exactly the texts of
// its grammar (checked against a regular expression written separately), give
// for them the value the C library reads, and reject everything else with its
// message; no input may crash it.
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <regex>
#include <string>

#include "core/number_parse.h"
#include "core/tensor_error.h"
#include "fuzz/fuzz_check.h"

namespace {

using tensorium::kOverflowMessage;
using tensorium::ParseNumber;
using tensorium::TensorError;

// ".", "," and the two-byte Arabic decimal separator, so that a separator of
// more than one byte is read as a unit.
const char* const kSeparators[] = {".", ",", "\xD9\xAB"};
constexpr int kSeparatorCount = 3;

constexpr size_t kLongestMatchedText = 10000;

std::string RegexLiteral(const std::string& text)
{
    std::string out;
    for (char c : text) {
        if (c != '\0' && std::strchr(".^$|()[]{}*+?\\", c) != nullptr) out += '\\';
        out += c;
    }
    return out;
}

// Groups: 1 sign, 2 integer digits, 3 fraction digits after them, 4 fraction
// digits of a number that starts at the separator, 5 exponent.
std::regex Grammar(const std::string& separator)
{
    const std::string sep = RegexLiteral(separator);
    return std::regex(" *([+-]?)(?:([0-9]+)(?:" + sep + "([0-9]*))?|" + sep +
                      "([0-9]*))(?:[eE]([+-]?[0-9]+))? *");
}

const std::regex& GrammarFor(int choice)
{
    static const std::regex grammars[kSeparatorCount] = {Grammar(kSeparators[0]), Grammar(kSeparators[1]),
                                                         Grammar(kSeparators[2])};
    return grammars[choice];
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) return 0;
    const int choice = data[0] % kSeparatorCount;
    const std::string separator = kSeparators[choice];
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);

    bool threw = false;
    std::string message;
    double value = 0;
    try {
        value = ParseNumber(text, separator);
    } catch (const TensorError& error) {
        threw = true;
        message = error.what();
    }
    // what() is a C string: a text with a nul byte shows up to that byte.
    const std::string invalidMessage = ("'" + text + "' is not a valid floating point value").c_str();

    // The regular expression engine recurses once per character; past this
    // length only the messages are checked (the fuzzer stays far below it).
    if (text.size() > kLongestMatchedText) {
        FUZZ_CHECK_WHY(!threw || message == invalidMessage || message == kOverflowMessage, message.c_str());
        return 0;
    }

    std::smatch match;
    if (!std::regex_match(text, match, GrammarFor(choice))) {
        FUZZ_CHECK_WHY(threw && message == invalidMessage, threw ? message.c_str() : "no error");
        return 0;
    }

    // The same number in the C form, with digits on both sides of the point.
    const std::string integerDigits = match[2].str();
    const std::string fractionDigits = match[3].matched ? match[3].str() : match[4].str();
    std::string c = match[1].str() + (integerDigits.empty() ? "0" : integerDigits) + "." +
                    (fractionDigits.empty() ? "0" : fractionDigits);
    if (match[5].matched) c += "e" + match[5].str();

    // Beyond the extended range even the long double reading fails: invalid.
    char* end = nullptr;
    errno = 0;
    const long double extended = std::strtold(c.c_str(), &end);
    FUZZ_CHECK(end == c.c_str() + c.size());
    if (errno == ERANGE && std::isinf(extended)) {
        FUZZ_CHECK_WHY(threw && message == invalidMessage, threw ? message.c_str() : "no error");
        return 0;
    }

    errno = 0;
    const double expected = std::strtod(c.c_str(), &end);
    FUZZ_CHECK(end == c.c_str() + c.size());
    if (expected == HUGE_VAL || expected == -HUGE_VAL) {
        FUZZ_CHECK_WHY(threw && message == kOverflowMessage, threw ? message.c_str() : "no error");
        return 0;
    }
    FUZZ_CHECK_WHY(!threw, threw ? message.c_str() : "no error");
    FUZZ_CHECK(std::memcmp(&value, &expected, sizeof value) == 0);
    return 0;
}
