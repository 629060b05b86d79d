// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CuePlayer.h"

#include <QString>

// The rating word for an average degree and the cue that goes with it.
struct Rating {
    QString word;
    Cue cue;
};

Rating ratingFor(int averageDegree);

// Rounds to the nearest whole number, an exact half to the even neighbour
// (62.5 -> 62, 87.5 -> 88).
int roundHalfToEven(double value);
