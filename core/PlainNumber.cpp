// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlainNumber.h"

#include <cmath>

QString plainNumber(double value)
{
    if (value == std::trunc(value))
        return QString::number(static_cast<long long>(value));
    return QString::number(value, 'g', 15);
}
