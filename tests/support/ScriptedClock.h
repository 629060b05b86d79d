// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TimeOfDay.h"

// A clock that shows whatever second of the day the test sets.
class ScriptedClock final : public TimeOfDay {
public:
    explicit ScriptedClock(int seconds = 0) : m_seconds(seconds) {}

    void set(int seconds) { m_seconds = seconds; }
    int secondsSinceMidnight() const override { return m_seconds; }

private:
    int m_seconds;
};
