#include "app/files/stored_input.h"

#include <charconv>
#include <cmath>

#include "core/number_parse.h"

namespace tensorium {

QJsonValue StoredInput(const QString& typed, const std::string& decimal)
{
    try {
        const double value = ParseNumber(typed.toStdString(), decimal);
        if (std::isfinite(value)) return value;
    } catch (const std::exception&) {
        // Not a number here: kept as typed, and reported when it is read.
    }
    return typed;
}

QString TypedNumber(double value, const std::string& decimal)
{
    char digits[400];
    const double size = std::fabs(value);
    const auto format =
        size == 0 || (size >= 1e-6 && size < 1e15) ? std::chars_format::fixed : std::chars_format::general;
    const auto [end, error] = std::to_chars(digits, digits + sizeof digits, value, format);
    std::string text(digits, error == std::errc() ? end : digits);
    if (const auto point = text.find('.'); point != std::string::npos) text.replace(point, 1, decimal);
    return QString::fromStdString(text);
}

}  // namespace tensorium
