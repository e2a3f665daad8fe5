// The user's regional number settings, read once from the system locale.
#pragma once

#include <QLocale>
#include <QString>

#include "core/number_format.h"

namespace tensorium {

NumberSeparators SeparatorsOf(const QLocale& locale);

// A default text written with a point, given the regional decimal separator.
QString Localized(const char* pointText, const NumberSeparators& separators);

}  // namespace tensorium
