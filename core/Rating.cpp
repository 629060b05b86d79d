// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Rating.h"

#include <cmath>

Rating ratingFor(int averageDegree)
{
    if (averageDegree < 30)
        return {QStringLiteral("V e r y   B a d"), Cue::MMControl4};
    if (averageDegree < 50)
        return {QStringLiteral("B a d"), Cue::MMControl5};
    if (averageDegree < 65)
        return {QStringLiteral("S u f f i c i e n t"), Cue::MMControl6};
    if (averageDegree < 75)
        return {QStringLiteral("G o o d"), Cue::MMControl7};
    if (averageDegree < 90)
        return {QStringLiteral("V e r y   G o o d"), Cue::MMControl8};
    if (averageDegree < 100)
        return {QStringLiteral("E x c e l l e n t"), Cue::MMControl10};
    return {QStringLiteral("W a a o w !!!!"), Cue::MMControl9};
}

int roundHalfToEven(double value)
{
    const double floor = std::floor(value);
    const double fraction = value - floor;
    if (fraction > 0.5)
        return static_cast<int>(floor) + 1;
    if (fraction < 0.5)
        return static_cast<int>(floor);
    const int lower = static_cast<int>(floor);
    return lower % 2 == 0 ? lower : lower + 1;
}
