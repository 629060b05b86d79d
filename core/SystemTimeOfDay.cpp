// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SystemTimeOfDay.h"

#include <QTime>

int SystemTimeOfDay::secondsSinceMidnight() const
{
    return QTime(0, 0).secsTo(QTime::currentTime());
}
