// Reading a number out of an input box.
#pragma once

#include <string>

namespace tensorium {

// Converts `text` under the regional `decimalSeparator` (UTF-8). Accepts
// exactly: leading spaces, an optional sign, digits with at most one decimal
// separator (not both runs empty, so a lone separator reads 0), an optional
// exponent (E or e, optional sign, digits), trailing spaces. No thousands
// separator, tab or other character.
// Throws TensorError "'<text>' is not a valid floating point value" for any
// other text, and "Floating point overflow" for a number beyond the double
// range (1e400). Numbers beyond even the extended range (1e5000) are invalid.
double ParseNumber(const std::string& text, const std::string& decimalSeparator);

}  // namespace tensorium
