// An input as an exercise file keeps it: a text that reads as a number is
// stored as the number, free of any regional separator; any other text as
// typed. Shown again with the reader's decimal separator.
#pragma once

#include <QJsonValue>
#include <QString>
#include <string>

namespace tensorium {

// `typed` as the window holds it, read with its regional `decimal` separator.
QJsonValue StoredInput(const QString& typed, const std::string& decimal);

// The text to show for a stored number: the shortest digits that read back
// as the same double, without an exponent from 1e-6 to 1e15.
QString TypedNumber(double value, const std::string& decimal);

}  // namespace tensorium
