// Text of numbers as the window shows and reads them.
#pragma once

#include <string>

namespace tensorium {

// The regional decimal and thousands separators (UTF-8; a separator may be
// more than one byte, e.g. a narrow no-break space).
struct NumberSeparators {
    std::string decimal = ".";
    std::string thousands = ",";
};

// Fixed-point text of `value` with exactly `decimals` decimals (0..30):
// rounded at the last decimal or at the 15th significant digit, whichever
// comes first, halves away from zero; no sign when it rounds to zero; the
// integer part grouped in threes with `separators.thousands` (pass an empty
// thousands separator for ungrouped text). An integer part of more than 15
// digits switches to scientific notation, e.g. "1.5E20".
std::string FormatNumber(double value, int decimals, const NumberSeparators& separators);

}  // namespace tensorium
