// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#include "DecimalSeparator.h"

#include <QLocale>

char decimalSeparatorOf(const QLocale& locale)
{
    return locale.decimalPoint() == QLatin1String(",") ? ',' : '.';
}

char userDecimalSeparator()
{
    return decimalSeparatorOf(QLocale());
}
