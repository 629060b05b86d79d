// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TimeOfDay.h"

class SystemTimeOfDay final : public TimeOfDay {
public:
    int secondsSinceMidnight() const override;
};
