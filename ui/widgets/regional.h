// The regional decimal and thousands separators, from the system's settings.
#pragma once

#include "numbers.h"

#include <QLocale>

namespace velkor {

inline NumberLocale RegionalSeparators(const QLocale& locale = QLocale::system()) {
    NumberLocale result;
    result.decimal = locale.decimalPoint().toStdString();
    result.thousands = locale.groupSeparator().toStdString();
    return result;
}

} // namespace velkor
