#include "SystemTimeOfDay.h"

#include <QTime>

int SystemTimeOfDay::secondsSinceMidnight() const
{
    return QTime(0, 0).secsTo(QTime::currentTime());
}
