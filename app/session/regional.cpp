#include "app/session/regional.h"

namespace tensorium {

NumberSeparators SeparatorsOf(const QLocale& locale)
{
    return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

QString Localized(const char* pointText, const NumberSeparators& separators)
{
    return QString::fromUtf8(pointText).replace('.', QString::fromStdString(separators.decimal));
}

}  // namespace tensorium
