// The one failure type of the program: it carries the exact text that the
// failure message box shows (without the full stop the box appends).
#pragma once

#include <stdexcept>
#include <string>

namespace tensorium {

class TensorError : public std::runtime_error {
public:
    explicit TensorError(const std::string& message) : std::runtime_error(message), message_(message) {}
    // The whole message, also when a typed text in it holds a NUL character
    // (what() ends at the first one).
    const std::string& message() const { return message_; }

private:
    std::string message_;
};

// Messages of the floating-point faults, as the user sees them.
inline constexpr const char* kOverflowMessage = "Floating point overflow";
inline constexpr const char* kInvalidOperationMessage = "Invalid floating point operation";
inline constexpr const char* kDivisionByZeroMessage = "Floating point division by zero";

// Throws the matching fault message when `value` is not finite.
void RequireFinite(double value);

}  // namespace tensorium
