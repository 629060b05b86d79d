// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The local time of day, to the whole second.
class TimeOfDay {
public:
    virtual ~TimeOfDay() = default;
    // 0 to 86399.
    virtual int secondsSinceMidnight() const = 0;
};
