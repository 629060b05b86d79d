#pragma once

#include "TimeOfDay.h"

class SystemTimeOfDay final : public TimeOfDay {
public:
    int secondsSinceMidnight() const override;
};
